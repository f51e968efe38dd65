-- A calculator that worked out 355 / 113 = typed on its keyboard.
stage.size(100, 170)
stage.color(0xF0F0F0)
local m = cast.new("keypadix", "calculator")
local keys = score.add(m, {left = 8, top = 8, right = 92, bottom = 162})
keys:type("355/113=")
keys:mouse_up(0, 0)
