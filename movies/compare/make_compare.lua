-- The comparison movies that tools/wine-check renders with both builds (native and under
-- Wine) and compares pixel by pixel: every finished kind in several property settings.
-- Regenerate them, beside this file, with
--   zentrix run movies/compare/make_compare.lua
-- Each movie is built on an empty stage and saved as <name>.json.

local function clear()
  for _, m in ipairs(cast.list()) do
    cast.delete(m)
  end
end

-- Builds one movie: `setup` adds its members and sprites, then it is saved.
local function build(name, width, height, colour, setup)
  clear()
  stage.size(width, height)
  stage.color(colour)
  setup()
  stage.idle()
  movie.save(name .. ".json")
  print(("%s.json: %d members"):format(name, #cast.list()))
end

-- A counter with its properties set from a table, on the stage at (x, y) with a size.
local function counter(name, props, x, y, w, h)
  local m = cast.new("tallydisc", name)
  for _, key in ipairs({"DigitsLeft", "DigitsRight", "BackColorLeft", "ForeColorLeft",
                        "BackColorRight", "ForeColorRight", "DivideColorLeft",
                        "DivideColorRight", "Value"}) do
    if props[key] ~= nil then
      m[key] = props[key]
    end
  end
  score.add(m, {left = x, top = y, right = x + w, bottom = y + h})
  return m
end

build("counter-defaults", 200, 120, 0xFFFFFF, function()
  counter("plain", {}, 10, 10, 100, 22)
  counter("value", {Value = 1234}, 10, 40, 100, 22)
  counter("three", {DigitsLeft = 3, DigitsRight = 0, Value = 705}, 10, 70, 60, 22)
end)

build("counter-colours", 240, 150, 0x303030, function()
  counter("green", {DigitsLeft = 4, DigitsRight = 2, Value = 4821.37,
                    BackColorLeft = 0x000000, ForeColorLeft = 0x00FF00,
                    BackColorRight = 0x004000, ForeColorRight = 0xFFFFFF}, 10, 10, 150, 24)
  counter("warm", {DigitsLeft = 3, DigitsRight = 1, Value = 99.5,
                   BackColorLeft = 0x00A0FF, ForeColorLeft = 0x000000,
                   BackColorRight = 0x0000C0, ForeColorRight = 0xFFFF00,
                   DivideColorLeft = 0xFF00FF, DivideColorRight = 0x00FFFF}, 10, 45, 120, 24)
  counter("grey", {DigitsLeft = 2, DigitsRight = 2, Value = 42.42,
                   BackColorLeft = 0xC0C0C0, ForeColorLeft = 0x800000,
                   BackColorRight = 0x808080, ForeColorRight = 0x000080,
                   DivideColorLeft = 0xFFFFFF, DivideColorRight = 0x000000}, 10, 80, 100, 30)
  counter("same", {DigitsLeft = 2, DigitsRight = 0, Value = 88,
                   BackColorLeft = 0x123456, ForeColorLeft = 0x123456}, 150, 80, 50, 30)
end)

build("counter-sizes", 320, 200, 0xE0E0E0, function()
  counter("tiny", {DigitsLeft = 2, DigitsRight = 1, Value = 12.3}, 5, 5, 24, 10)
  counter("narrow", {DigitsLeft = 6, DigitsRight = 0, Value = 123456}, 40, 5, 30, 22)
  counter("tall", {DigitsLeft = 2, DigitsRight = 0, Value = 37}, 80, 5, 40, 90)
  counter("wide", {DigitsLeft = 3, DigitsRight = 2, Value = 271.82}, 130, 5, 180, 40)
  counter("huge", {DigitsLeft = 2, DigitsRight = 1, Value = 64.5}, 5, 100, 300, 90)
  counter("subpixel", {DigitsLeft = 8, DigitsRight = 4, Value = 5}, 5, 60, 9, 20)
end)

build("counter-decimals", 240, 170, 0xFFFFFF, function()
  counter("half", {DigitsLeft = 3, DigitsRight = 2, Value = 12.5}, 10, 10, 120, 22)
  counter("rolling", {DigitsLeft = 4, DigitsRight = 1, Value = 9999.95}, 10, 40, 120, 22)
  counter("quarter", {DigitsLeft = 2, DigitsRight = 3, Value = 3.14159}, 10, 70, 120, 22)
  counter("small", {DigitsLeft = 1, DigitsRight = 2, Value = 0.05}, 10, 100, 80, 22)
  counter("overflow", {DigitsLeft = 2, DigitsRight = 1, Value = 1234.56}, 10, 130, 80, 22)
end)

build("counter-negative", 240, 140, 0x202020, function()
  counter("minus", {DigitsLeft = 3, DigitsRight = 2, Value = -3.25,
                    BackColorLeft = 0x000000, ForeColorLeft = 0xFFFFFF}, 10, 10, 120, 24)
  counter("below", {DigitsLeft = 2, DigitsRight = 1, Value = -0.5}, 10, 45, 90, 24)
  counter("large", {DigitsLeft = 4, DigitsRight = 0, Value = -1200}, 10, 80, 120, 24)
  counter("nodigits", {DigitsLeft = -2, DigitsRight = -1, Value = 7,
                       BackColorLeft = 0x00FF00}, 150, 10, 60, 24)
  counter("fraction", {DigitsLeft = 0, DigitsRight = 3, Value = -0.125}, 150, 45, 70, 24)
end)

-- The equation kind, once its module is there: typed equations with fractions, roots,
-- powers, Greek letters and results, with and without the black border, in colours.
local function hasKind(symbol)
  for _, k in ipairs(host.kinds()) do
    if k.symbol == symbol then
      return true
    end
  end
  return false
end

-- An equation member with its sprite; `text` in the equation text form is typed at the
-- caret, then the equation is calculated so that the result shows.
local function equation(name, props, text, x, y, w, h)
  local m = cast.new("formulon", name)
  for key, value in pairs(props) do
    m[key] = value
  end
  local s = score.add(m, {left = x, top = y, right = x + w, bottom = y + h})
  stage.idle()
  if text ~= nil then
    m:try_call("InsertString", text)
    m:try_call("Calculate")
  end
  return m, s
end

if hasKind("formulon") then
  build("formulon-structures", 320, 240, 0xFFFFFF, function()
    equation("fraction", {}, "y=/^1@&2@@+3@", 10, 10, 300, 50)
    equation("root", {}, "r=%2@@", 10, 65, 300, 50)
    equation("power", {}, "p=2^10@@", 10, 120, 300, 50)
    equation("greek", {}, "a={Sp}*2@", 10, 175, 300, 50)
  end)
  build("formulon-borders", 320, 180, 0xC0C0C0, function()
    equation("bordered", {BlackBorder = 1}, "z=/^x+1@&4@@", 10, 10, 300, 50)
    equation("plain", {BlackBorder = 0}, "z=/^x+1@&4@@", 10, 65, 300, 50)
    equation("empty", {BlackBorder = 1}, nil, 10, 120, 300, 50)
  end)
  build("formulon-colours", 320, 180, 0x404040, function()
    equation("yellow", {BackColor = 0x00FFFF, TextColor = 0x800000}, "c={Sa}+{Sb}@", 10, 10,
             300, 50)
    equation("dark", {BackColor = 0x000000, TextColor = 0xFFFFFF, BlackBorder = 1},
             "v=%/^9@&4@@@", 10, 65, 300, 60)
    equation("functions", {BackColor = 0xE0FFE0}, "s={sin}(0@@+{cos}(0@@@", 10, 130, 300, 45)
  end)
end

-- The table kind: only what its saved block holds comes back with a movie (the limits, the
-- colours, fonts and alignment given to every cell, the header switches, the column widths
-- and row heights); cell texts and pictures live only while a member is loaded.
local function gridcell(name, props, widths, heights, x, y, w, h)
  local m = cast.new("gridcell", name)
  for _, key in ipairs({"MaxRows", "MaxCols", "BackColor", "TextColor", "DisplayColHeaders",
                        "DisplayRowHeaders"}) do

-- The slider, once its module is there: horizontal and vertical sliders at values inside,
-- at and beyond the ends of normal and reversed ranges, and sprites of several shapes.
local function slider(name, props, x, y, w, h)
  local m = cast.new("glidebar", name)
  for _, key in ipairs({"XMinimum", "XMaximum", "Value", "SmallStep", "LargeStep"}) do
    if props[key] ~= nil then
      m[key] = props[key]
    end
  end
  for col, width in pairs(widths or {}) do
    m.Col = col
    m.ColWidth = width
  end
  for row, height in pairs(heights or {}) do
    m.Row = row
    m.RowHeight = height
  end
  score.add(m, {left = x, top = y, right = x + w, bottom = y + h})
  return m
end

if hasKind("gridcell") then
  build("table-defaults", 320, 250, 0xFFFFFF, function()
    gridcell("whole", {}, nil, nil, 10, 10, 300, 200)
    gridcell("corner", {}, nil, nil, 10, 220, 100, 20)
  end)
  build("table-colours", 320, 260, 0x303030, function()
    gridcell("yellow", {BackColor = 0x00FFFF, MaxRows = 4, MaxCols = 2}, nil, nil, 10, 10,
             220, 100)
    gridcell("noheaders", {BackColor = 0xFFE0C0, DisplayColHeaders = 0, DisplayRowHeaders = 0,
                           MaxRows = 3, MaxCols = 3}, nil, nil, 10, 110, 240, 80)
    gridcell("rowsonly", {BackColor = 0x80FF80, DisplayColHeaders = 0, MaxRows = 2,
                          MaxCols = 1}, nil, nil, 10, 200, 150, 60)
    gridcell("black", {BackColor = 0x000000, MaxRows = 2, MaxCols = 2}, nil, nil, 180, 200,
             130, 60)
  end)
  build("table-sizes", 400, 300, 0xE0E0E0, function()
    gridcell("uneven", {MaxRows = 5, MaxCols = 4}, {[0] = 20, 40, 90, 15, 60},
             {[0] = 25, 10, 30, 17, 5, 40}, 5, 5, 260, 140)
    gridcell("clipped", {MaxRows = 30, MaxCols = 8}, nil, nil, 5, 150, 390, 140)
    gridcell("tiny", {MaxRows = 2, MaxCols = 2}, {[0] = 8, 8, 8}, {[0] = 6, 6, 6}, 280, 5, 40,
             40)
    gridcell("sliver", {}, nil, nil, 330, 5, 3, 60)
if hasKind("glidebar") then
  build("slider-values", 260, 200, 0xC0C0C0, function()
    slider("middle", {}, 10, 10, 200, 20)
    slider("low", {Value = 0}, 10, 40, 200, 20)
    slider("high", {Value = 1}, 10, 70, 200, 20)
    slider("below", {Value = -3}, 10, 100, 200, 20)
    slider("above", {Value = 42}, 10, 130, 200, 20)
    slider("third", {XMinimum = -30, XMaximum = 60, Value = 0}, 10, 160, 200, 20)
    slider("vertical", {Value = 0.75}, 225, 10, 20, 180)
  end)
  build("slider-shapes", 300, 220, 0x403020, function()
    slider("reversed", {XMinimum = 100, XMaximum = 0, Value = 20}, 10, 10, 150, 24)
    slider("square", {Value = 0.4}, 10, 45, 80, 80)
    slider("short", {Value = 0.5}, 100, 45, 40, 20)
    slider("tiny", {Value = 0.9}, 100, 75, 25, 12)
    slider("wide", {Value = 0.1}, 10, 140, 280, 40)
    slider("vreversed", {XMinimum = 5, XMaximum = -5, Value = 4}, 180, 10, 24, 120)
    slider("vshort", {Value = 0.6}, 220, 10, 30, 60)
    slider("onepoint", {XMinimum = 2, XMaximum = 2, Value = 2}, 10, 190, 200, 20)
  end)
end

-- The speedometer, once its module is there: the defaults, colours, scales through zero,
-- dense and empty scales (the speed is not saved: every gauge shows its default of 30).
local function gauge(name, props, x, y, w, h)
  local m = cast.new("dialgauge", name)
  for _, key in ipairs({"XMin", "XMax", "SmallTickSpace", "BigTickSpace", "TickColor",
                        "TextColor", "SpeedColor", "BackColor"}) do
    if props[key] ~= nil then
      m[key] = props[key]
    end
  end
  score.add(m, {left = x, top = y, right = x + w, bottom = y + h})
  return m
end

if hasKind("dialgauge") then
  build("speedometer-defaults", 240, 140, 0xFFFFFF, function()
    gauge("plain", {}, 10, 10, 200, 30)
    gauge("narrow", {}, 10, 50, 100, 40)
    gauge("low", {}, 120, 50, 110, 22)
    gauge("tall", {}, 10, 100, 220, 34)
  end)
  build("speedometer-colours", 300, 150, 0x202020, function()
    gauge("night", {BackColor = 0x101010, TickColor = 0xFFFFFF, TextColor = 0x00E0FF,
                    SpeedColor = 0x0000C0, XMax = 8000, SmallTickSpace = 250,
                    BigTickSpace = 1000}, 10, 10, 280, 36)
    gauge("paper", {BackColor = 0xF0FFFF, TickColor = 0x800000, TextColor = 0x008000,
                    SpeedColor = 0xFFC080}, 10, 56, 280, 36)
    gauge("same", {BackColor = 0x808080, SpeedColor = 0x808080, TickColor = 0x808080},
          10, 102, 280, 36)
  end)
  build("speedometer-scales", 300, 210, 0xE0E0E0, function()
    gauge("through zero", {XMin = -50, XMax = 50, SmallTickSpace = 5, BigTickSpace = 25},
          10, 10, 280, 34)
    gauge("negative", {XMin = -200, XMax = -100, SmallTickSpace = 10, BigTickSpace = 50},
          10, 50, 280, 34)
    gauge("dense", {XMax = 1000, SmallTickSpace = 3, BigTickSpace = 100}, 10, 90, 280, 34)
    gauge("empty", {XMax = 0}, 10, 130, 135, 30)
    gauge("unspaced", {SmallTickSpace = 0, BigTickSpace = -20}, 155, 130, 135, 30)
    gauge("wide range", {XMin = -2000000000, XMax = 2000000000, SmallTickSpace = 100000000,
                         BigTickSpace = 1000000000}, 10, 170, 280, 34)
-- The calculator, once its module is there. It saves nothing with the movie, so a saved
-- calculator shows its keypad, an empty display and no key pressed: the comparison covers
-- the keypad picture, the clip at the sprite's edges, the display window and the inks.
local function calculator(name, x, y, w, h, sprite)
  local m = cast.new("keypadix", name)
  score.add(m, {left = x, top = y, right = x + w, bottom = y + h}, sprite)
  return m
end

if hasKind("keypadix") then
  build("calculator-defaults", 300, 180, 0x704020, function()
    calculator("first", 10, 10, 84, 154)
    calculator("second", 104, 10, 84, 154)
    calculator("third", 198, 14, 84, 154)
  end)
  build("calculator-clipped", 320, 200, 0xFFFFFF, function()
    calculator("small", 10, 10, 60, 90)       -- the keypad cut at the right and bottom
    calculator("large", 90, 10, 120, 180)     -- more sprite than picture
    calculator("sliver", 230, 10, 30, 30)     -- only the finish key's corner
    calculator("offstage", 260, 120, 84, 154) -- partly beyond the stage
  end)
  build("calculator-inks", 300, 180, 0x206040, function()
    calculator("copy", 10, 10, 84, 154, {ink = 0})
    calculator("transparent", 104, 10, 84, 154, {ink = 36, params = {0, 255, 0, 0}})
    calculator("other", 198, 10, 84, 154, {ink = 8, params = {7, 7, 7, 7}})
  end)
end

clear()

-- A graph member with properties from a table, on the stage at (x, y) with a size. Only the
-- saved properties travel in a movie: curves and lines live while a member is loaded.
local function graph(name, props, x, y, w, h)
  local m = cast.new("plotmark", name)
  for key, value in pairs(props) do
    m[key] = value
  end
  score.add(m, {left = x, top = y, right = x + w, bottom = y + h})
  return m
end

build("graph-grid", 440, 240, 0xC0C0C0, function()
  graph("default", {}, 10, 10, 200, 150)
  graph("coarse", {BlueSpacing = 300, XTickSpace = 2, YTickSpace = 2, BackColor = 0xE0FFFF},
        220, 10, 210, 150)
  graph("fine", {BlueSpacing = 120, LeftMargin = 40, BottomMargin = 30, TopMargin = 8,
                 RightMargin = 12, BlackBorder = 0}, 10, 170, 420, 64)
end)

build("graph-negative", 440, 220, 0xFFFFFF, function()
  graph("centred", {XMinimum = -7, YMinimum = -5, XLabelString = "West - East",
                    YLabelString = "South - North"}, 10, 10, 210, 200)
  graph("small", {XMinimum = -0.35, DeltaX = 0.05, YMinimum = -0.004, DeltaY = 0.001,
                  XLabelString = "", YLabelString = "dy"}, 230, 10, 200, 200)
end)

build("graph-integer", 440, 220, 0x404040, function()
  graph("thirds", {ForceIntegerX = 1, DeltaX = 0.3, ForceIntegerY = 1, DeltaY = 2.7,
                   XLabelString = "count", YLabelString = "even"}, 10, 10, 210, 200)
  graph("large", {XMinimum = 1000000, DeltaX = 250000, YMinimum = -2000000, DeltaY = 400000,
                  OriginInAuto = 0, BackColor = 0xF0F0FF}, 230, 10, 200, 200)
end)
