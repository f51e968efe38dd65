-- Sliders that a script sets up and plays with like a user would:
--   zentrix run movies/slider.lua -o slider.png
-- A horizontal and a vertical slider moved by their arrows, a reversed range, paging on the
-- bar, a thumb dragged with the mouse, a member whose parts are replaced by pictures of
-- bitmap members, and the properties dialog.

stage.size(320, 230)
stage.color(0x605040)

-- A bitmap member drawn by a function of (x, y) -> 0xBBGGRR, written as a 24-bit BMP file
-- and loaded; the file is removed again.
local function bitmap(name, w, h, colour)
  local function word(n, bytes)
    local t = {}
    for i = 1, bytes do
      t[i] = string.char(n % 256)
      n = n // 256
    end
    return table.concat(t)
  end
  local rowBytes = (w * 3 + 3) // 4 * 4
  local rows = {}
  for y = h - 1, 0, -1 do -- bottom-up rows
    local row = {}
    for x = 0, w - 1 do
      local c = colour(x, y)
      row[#row + 1] = string.char((c >> 16) & 255, (c >> 8) & 255, c & 255)
    end
    row[#row + 1] = string.rep("\0", rowBytes - 3 * w)
    rows[#rows + 1] = table.concat(row)
  end
  local pixels = table.concat(rows)
  local file = os.tmpname()
  local out = assert(io.open(file, "wb"))
  out:write("BM", word(54 + #pixels, 4), word(0, 4), word(54, 4), word(40, 4), word(w, 4),
            word(h, 4), word(1, 2), word(24, 2), word(0, 24), pixels)
  out:close()
  local m = cast.bitmap(name, file)
  os.remove(file)
  return m
end

-- A volume control: 0 to 10, one unit per arrow press.
local volume = cast.new("glidebar", "volume")
volume.XMinimum, volume.XMaximum, volume.Value = 0, 10, 2
volume.SmallStep = 1
local hv = score.add(volume, {left = 20, top = 20, right = 220, bottom = 40})

-- A reversed range: 100 at the left end, 0 at the right; the right arrow counts down.
local reversed = cast.new("glidebar", "reversed")
reversed.XMinimum, reversed.XMaximum, reversed.Value = 100, 0, 80
local hr = score.add(reversed, {left = 20, top = 60, right = 220, bottom = 80})

-- A pager: every press on the bar beside the thumb moves a sixteenth of the range.
local pager = cast.new("glidebar", "pager")
pager.Value = 0
local hp = score.add(pager, {left = 20, top = 100, right = 220, bottom = 120})

-- A thumb dragged by the mouse.
local dragged = cast.new("glidebar", "dragged")
local hd = score.add(dragged, {left = 20, top = 140, right = 220, bottom = 160})

-- A vertical slider (taller than wide): the up arrow raises the value.
local level = cast.new("glidebar", "level")
level.XMinimum, level.XMaximum, level.Value = 0, 50, 10
local lv = score.add(level, {left = 250, top = 20, right = 270, bottom = 210})

-- A slider whose thumb and bar come from bitmap members: a round orange knob on a groove,
-- both painted in the stage colour around them.
local custom = cast.new("glidebar", "custom")
custom.Value = 0.65
local back = stage.color()
local knob = bitmap("knob", 15, 15, function(x, y)
  local dx, dy = x - 7, y - 7
  local d = dx * dx + dy * dy
  if d > 49 then return back end
  if d > 30 then return 0x004080 end
  return 0x20A0FF
end)
local groove = bitmap("groove", 8, 8, function(x, y)
  if y == 3 or y == 4 then return 0x202020 end
  if y == 2 or y == 5 then return 0xA0A0A0 end
  return back
end)
custom:call("ReplaceMedia", "ThumbUp", knob)
custom:call("ReplaceMedia", "ThumbDown", knob)
custom:call("ReplaceMedia", "SliderBar", groove)
score.add(custom, {left = 20, top = 180, right = 220, bottom = 200})

stage.render() -- the first draw places the parts that presses are tested against

hv:hold(190, 10, 5)         -- the right arrow held for five redraws: 2 -> 7
hv:mouse_up(190, 10)
hr:hold(190, 10, 20)        -- the right arrow counts down: 80 -> 67.3
hr:mouse_up(190, 10)
hp:hold(170, 10, 20)        -- paging stops once the thumb reaches the mouse
hp:mouse_up(170, 10)
lv:hold(10, 5, 40)          -- the up arrow
lv:mouse_up(10, 5)

-- The drag: grab the thumb 4 pixels into it, move the mouse in three steps.
hd:mouse_down(98, 10)
stage.render()
for _, x in ipairs({70, 40, 52}) do
  hd:mouse_drag(x, 10)
  stage.render()
end
hd:mouse_up(52, 10)

print(("volume %.0f, reversed %.2f, pager %.4f, dragged %.4f, level %.2f"):format(
  volume.Value, reversed.Value, pager.Value, dragged.Value, level.Value))

-- The properties dialog: 5 entered as Value in the range 0-1 is kept inside it.
local shown = dragged:dialog({[1005] = "5"}, "ok")
print(("dialog showed Value %s; stored %g"):format(shown[1005], dragged.Value))
dragged.Value = 0.3
