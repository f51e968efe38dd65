-- Two pocket calculators:  zentrix run movies/calculator.lua -o calculator.png
-- The first works out 2 + 3 x 4 = by clicks on its keys and holds "=" down; the second
-- carries night-coloured keypad pictures (ReplaceMedia), larger key areas (KeyRectList), the
-- background-transparent ink, and works out 1234567 x 1000 = typed on the keyboard.

stage.size(220, 190)
stage.color(0x5A3A20)

-- The default key areas (left, top, right, bottom, relative to the sprite) by legend.
local AREAS = {
  ["0"] = {4, 133, 20, 149}, ["1"] = {4, 113, 20, 129}, ["2"] = {24, 113, 40, 129},
  ["3"] = {44, 113, 60, 129}, ["4"] = {4, 93, 20, 109}, ["5"] = {24, 93, 40, 109},
  ["6"] = {44, 93, 60, 109}, ["7"] = {4, 73, 20, 89}, ["8"] = {24, 73, 40, 89},
  ["9"] = {44, 73, 60, 89}, ["."] = {24, 133, 40, 149}, ["/"] = {64, 53, 80, 69},
  ["x"] = {64, 73, 80, 89}, ["-"] = {64, 93, 80, 109}, ["+"] = {64, 113, 80, 129},
  ["="] = {64, 133, 80, 149}, ["%"] = {44, 133, 60, 149}, ["C"] = {24, 53, 60, 69},
  ["DONE"] = {4, 15, 40, 31}, ["display"] = {6, 36, 80, 47},
}
local ORDER = {"0", "1", "2", "3", "4", "5", "6", "7", "8", "9", ".", "/", "x", "-", "+", "=",
               "%", "C", "DONE", "display"}

local function centre(legend)
  local a = AREAS[legend]
  return (a[1] + a[3]) // 2, (a[2] + a[4]) // 2
end

local function click(sprite, legend)
  local x, y = centre(legend)
  sprite:mouse_down(x, y)
  sprite:mouse_up(x, y)
end

-- The first calculator, by clicks. A sprite hits its keys where it last drew them, so the
-- stage is drawn once before the first click.
local adder = cast.new("keypadix", "adder")
local a = score.add(adder, {left = 16, top = 18, right = 100, bottom = 172})
stage.render()
for _, legend in ipairs({"2", "+", "3", "x", "4"}) do
  click(a, legend)
end
local x, y = centre("=")
a:mouse_down(x, y) -- held: the key stays pressed on the keypad
print(("adder: Value %g, ActiveComponent %d"):format(adder.Value, adder.ActiveComponent))

-- The second calculator: its own pictures, drawn with the background-transparent ink (the
-- light grey around its corners drops out) and white as its transparent colour.
local typist = cast.new("keypadix", "typist")
local t = score.add(typist, {left = 120, top = 18, right = 204, bottom = 172}, {ink = 36})
typist:call("ReplaceMedia", "AllKeysUp", cast.bitmap("night keys up", "keypad_night_up.bmp"))
typist:call("ReplaceMedia", "AllKeysDown", cast.bitmap("night keys down", "keypad_night_down.bmp"))
typist.TransparentColor = 0xFFFFFF

-- Key areas two pixels larger all round, so that a press between two keys still counts;
-- the display window keeps its area.
local areas = {}
for i, legend in ipairs(ORDER) do
  local r = AREAS[legend]
  local grow = legend == "display" and 0 or 2
  areas[i] = {left = r[1] - grow, top = r[2] - grow, right = r[3] + grow, bottom = r[4] + grow}
end
typist.KeyRectList = areas
stage.render()

t:mouse_down(41, 80) -- between 8 and 9: the left half belongs to 8
print(("typist: a press between 8 and 9 hits key %d"):format(typist.ActiveComponent))
t:mouse_up(41, 80)
click(t, "DONE")
print(("typist: IsFinished %d after the finish key"):format(typist.IsFinished))
t:type("1234567x1000=")
t:mouse_up(0, 0)
print(("typist: Value %.0f, IsFinished %d"):format(typist.Value, typist.IsFinished))
