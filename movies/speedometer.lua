-- Speedometer gauges and their window commands:
--   zentrix run movies/speedometer.lua -o speedometer.png
-- The default gauge, gauges with their own colours and scales, a scale through zero, a
-- gauge that follows a slider through a script, the properties dialog, and the four window
-- commands on a window the script makes.

stage.size(320, 250)
stage.color(0xE0E0E0)

local function gauge(name, props, x, y, w, h)
  local m = cast.new("dialgauge", name)
  for _, key in ipairs({"XMin", "XMax", "SmallTickSpace", "BigTickSpace", "TickColor",
                        "TextColor", "SpeedColor", "BackColor", "YSpeed", "XSpeed"}) do
    if props[key] ~= nil then
      m[key] = props[key]
    end
  end
  score.add(m, {left = x, top = y, right = x + w, bottom = y + h})
  return m
end

-- The defaults: 0 to 100, a small tick every 10, labels every 20, the bar at 30.
gauge("plain", {}, 10, 10, 200, 30)

-- A tachometer: 0 to 8000, red needle zone colours on black.
gauge("tacho", {XMax = 8000, SmallTickSpace = 250, BigTickSpace = 1000, YSpeed = 6150.5,
                BackColor = 0x101010, TickColor = 0xFFFFFF, TextColor = 0x00E0FF,
                SpeedColor = 0x0000C0}, 10, 50, 300, 36)

-- A scale through zero: -50 to 50 with the speed at -12.5.
gauge("balance", {XMin = -50, XMax = 50, SmallTickSpace = 5, BigTickSpace = 25, YSpeed = -12.5,
                  BackColor = 0xF0FFF0, SpeedColor = 0x40A040, TickColor = 0x204020,
                  TextColor = 0x204020}, 10, 96, 300, 34)

-- A gauge that a slider drives: the script copies the slider's value into YSpeed after
-- each step of the slider's right arrow.
local throttle = cast.new("glidebar", "throttle")
throttle.XMinimum, throttle.XMaximum, throttle.Value, throttle.SmallStep = 0, 120, 20, 5
local knob = score.add(throttle, {left = 10, top = 140, right = 310, bottom = 160})
local speed = gauge("speed", {XMax = 120, SmallTickSpace = 5, BigTickSpace = 30,
                              SpeedColor = 0x00A0FF}, 10, 165, 300, 34)
stage.render()
knob:mouse_down(290, 10) -- the right arrow
for _ = 1, 9 do
  stage.render()
  speed.YSpeed = throttle.Value
  knob:mouse_drag(290, 10)
end
knob:mouse_up(290, 10)
stage.render()
speed.YSpeed = throttle.Value
print(("throttle %g -> speed %g (XSpeed %d)"):format(throttle.Value, speed.YSpeed, speed.XSpeed))

-- The dialog of a small gauge: scale 0-10 with a tick per unit, green bar on white.
local small = gauge("small", {XSpeed = 7}, 10, 210, 140, 30)
local shown = small:dialog({[1001] = 10, [1002] = 2, [1003] = 1,
                            [1007] = 0, [1008] = 160, [1009] = 0,
                            [1013] = 255, [1014] = 255, [1015] = 255}, "ok")
print(("dialog showed XMax %d, back colour %d %d %d; XSpeed %d is YSpeed %g"):format(
  shown[1001], shown[1013], shown[1014], shown[1015], small.XSpeed, small.YSpeed))

-- The window commands, on a window of the script's own.
host.window("ZxNotepad", "Notes")
host.messages()
print("FindWindow(\"\", \"\")", small:call("FindWindow", "", ""))
print("FindWindow(\"ZxNotepad\", \"\")", small:call("FindWindow", "ZxNotepad", ""))
small:call("MakeTopmost", "ZxNotepad", "Notes")
small:call("SendCloseMessage", "", "Notes")
print("after closing", small:call("FindWindow", "ZxNotepad", ""))
print("ActivateStageWindow", small:call("ActivateStageWindow"))
for _, m in ipairs(host.messages()) do
  print(("  %s: %s [%s]"):format(m.kind, m.text, m.caption))
end
