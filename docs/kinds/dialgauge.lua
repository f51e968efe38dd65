-- A tachometer: 0 to 8000, labels every 2000, light on dark, at 5400.
stage.size(210, 50)
stage.color(0xF0F0F0)
local m = cast.new("dialgauge", "tacho")
m.XMax, m.SmallTickSpace, m.BigTickSpace = 8000, 250, 2000
m.BackColor, m.TickColor, m.TextColor = 0x101010, 0xFFFFFF, 0x00E0FF
m.SpeedColor, m.YSpeed = 0x0000C0, 5400
score.add(m, {left = 10, top = 8, right = 200, bottom = 42})
