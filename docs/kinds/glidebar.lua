-- A slider from 0 to 100 standing at 35, and the same range reversed.
stage.size(210, 60)
stage.color(0xF0F0F0)
local m = cast.new("glidebar", "volume")
m.XMinimum, m.XMaximum, m.Value, m.SmallStep = 0, 100, 35, 5
score.add(m, {left = 10, top = 8, right = 200, bottom = 28})
local r = cast.new("glidebar", "countdown")
r.XMinimum, r.XMaximum, r.Value = 10, 0, 2.5
score.add(r, {left = 10, top = 34, right = 200, bottom = 54})
