-- An odometer: six integer wheels and one tenths wheel; the fraction rolls the last wheel.
stage.size(136, 30)
stage.color(0xF0F0F0)
local m = cast.new("tallydisc", "odometer")
m.DigitsLeft, m.DigitsRight = 6, 1
m.Value = 48213.7
score.add(m, {left = 12, top = 4, right = 124, bottom = 26})
