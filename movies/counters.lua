-- Counters that a script sets up and plays with, then saves as counters.json beside this
-- file:  zentrix run movies/counters.lua -o counters.png
--        zentrix render movies/counters.json -o counters.png   (the same picture)

stage.size(240, 110)
stage.color(0x303030)

local odo = cast.new("tallydisc", "odometer")
odo.DigitsLeft, odo.DigitsRight = 5, 1
score.add(odo, {left = 20, top = 15, right = 20 + 6 * 18, bottom = 37})

local lap = cast.new("tallydisc", "lap")
lap.DigitsLeft, lap.DigitsRight = 2, 2
lap.BackColorLeft, lap.ForeColorLeft = 0x000000, 0x00FF00
lap.BackColorRight, lap.ForeColorRight = 0x004000, 0xFFFFFF
score.add(lap, {left = 20, top = 45, right = 20 + 4 * 18, bottom = 67})

local dial = cast.new("tallydisc", "dial")
dial.DigitsLeft = 1
dial.BackColorLeft, dial.ForeColorLeft = 0x00A0FF, 0x000000
score.add(dial, {left = 20, top = 75, right = 40, bottom = 97})

-- Drive: the odometer covers 99.975 units in small steps and ends rolling from 9999 to
-- 10000; the lap counter shows the distance over 37 laps; the single wheel ends halfway
-- between 3 and 4.
local redraws = 0
for step = 1, 43 do
  odo.Value = 9900 + step * 2.325
  lap.Value = odo.Value / 37
  dial.Value = step % 10 + 0.5
  redraws = redraws + stage.idle()
end
print(("odometer %.3f, lap %.4f, %d redraws"):format(odo.Value, lap.Value, redraws))

movie.save("counters.json")
