-- The demo movie: every finished kind on one stage. `zentrix` (no arguments) runs it and
-- writes demo.png.

stage.size(540, 615)
stage.color(0x4A3018)  -- 0xBBGGRR: a dark slate blue

-- Members that the movie's handlers work with while it plays (below).
local live = {}

-- Kinds whose plug-in was found; the demo shows what is installed.
local installed = {}
for _, k in ipairs(host.kinds()) do installed[k.symbol] = true end

-- A counter member with its properties, on the stage at x, y (cells of `cell` pixels).
local function counter(name, props, x, y, cell)
  local m = cast.new("tallydisc", name)
  m.DigitsLeft = props.left
  m.DigitsRight = props.right
  for key, value in pairs(props) do
    if key ~= "left" and key ~= "right" then m[key] = value end
  end
  local width = (props.left + props.right) * cell
  return score.add(m, {left = x, top = y, right = x + width, bottom = y + 22})
end

if installed.tallydisc then
  -- A trip odometer: six integer wheels, one tenth wheel, the classic colours.
  counter("odometer", {left = 6, right = 1, Value = 48213.7}, 20, 20, 16)

  -- 19.96 on two integer wheels and one fraction wheel: the hidden 6 rolls the tenths
  -- wheel to 9.6, which carries into the units and the tens, so all three stand between
  -- digits (19.96 on its way to 20.0).
  counter("rolling", {left = 2, right = 1, Value = 19.96,
                      BackColorLeft = 0x202020, ForeColorLeft = 0x00D0FF,
                      BackColorRight = 0x00D0FF, ForeColorRight = 0x202020,
                      DivideColorLeft = 0x606060}, 150, 20, 18)

  -- A score board: yellow on dark red, integer wheels only; the last wheel halfway
  -- from 4 to 5.
  counter("score", {left = 4, right = 0, Value = 1234.5,
                    BackColorLeft = 0x101080, ForeColorLeft = 0x00FFFF,
                    DivideColorLeft = 0x3030C0}, 20, 60, 20)

  -- A fraction-only gauge: green on black.
  counter("fraction", {left = 0, right = 4, Value = 0.2718,
                       BackColorRight = 0x000000, ForeColorRight = 0x40FF40,
                       DivideColorRight = 0x206020}, 120, 60, 16)

  -- A long counter with a negative value: the magnitude is shown, no sign.
  counter("balance", {left = 8, right = 2, Value = -1000204.5,
                      BackColorLeft = 0xF0F0F0, ForeColorLeft = 0x303030,
                      BackColorRight = 0xC0E0FF, ForeColorRight = 0x000080}, 20, 100, 16)

  -- A counter that a script drives: it counts up in small steps, rolling between digits.
  local ticker = counter("ticker", {left = 3, right = 0, Value = 0,
                                    BackColorLeft = 0x000000, ForeColorLeft = 0xFFFFFF},
                         20, 140, 18)
  local m = ticker:member()
  live.ticker = m
  for _ = 1, 37 do
    m.Value = m.Value + 0.75
    stage.idle()
  end
end

if installed.formulon then
  -- An equation member with two equations: y uses the definition of a and the independent
  -- variable x; z uses y. Calculate writes " = value" behind each equation.
  local eq = cast.new("formulon", "equations")
  eq.ShowIndepVars = 0
  eq.Eq1String = "2|y=/^a@&x^2@+1@+%x@|z=2y-{sin}(x@|a|3"
  eq.PropIndex = 0
  eq.IndVarName = "x"
  eq.IndVarValue = 2
  eq:call("Calculate")
  score.add(eq, {left = 230, top = 20, right = 420, bottom = 100})

  -- A second member in degrees with a Greek letter, a function and a result, framed.
  local angle = cast.new("formulon", "angle")
  angle.AngleUnits = 1
  angle.BlackBorder = 1
  angle.BackColor = 0xE8FFFF
  angle.TextColor = 0x600000
  angle.ShowIndepVars = 0
  angle.Eq1String = "h=r{sin}({Sq}@"
  angle.PropIndex = 0
  angle.IndVarName = "r"
  angle.IndVarValue = 10
  angle.PropIndex = 1
  angle.IndVarName = "{Sq}"
  angle.IndVarValue = 30
  angle:call("Calculate")
  score.add(angle, {left = 230, top = 110, right = 420, bottom = 160})
end

if installed.glidebar and installed.dialgauge then
  -- A slider that drives a gauge: the script holds the slider's right arrow and copies its
  -- value into the gauge's speed after every step.
  local tuner = cast.new("glidebar", "tuner")
  tuner.XMinimum, tuner.XMaximum, tuner.Value, tuner.SmallStep = 0, 100, 35, 4
  local knob = score.add(tuner, {left = 20, top = 190, right = 210, bottom = 210})
  local meter = cast.new("dialgauge", "meter")
  live.tuner, live.meter = tuner, meter
  meter.SpeedColor, meter.BackColor = 0x00A0FF, 0xF0F0F0
  score.add(meter, {left = 20, top = 218, right = 210, bottom = 250})
  stage.render()
  knob:mouse_down(180, 10)
  for _ = 1, 8 do
    stage.render()
    meter.YSpeed = tuner.Value
    knob:mouse_drag(180, 10)
  end
  knob:mouse_up(180, 10)
end

if installed.dialgauge then
  -- A tachometer: 0 to 8000 with labels every thousand, light on dark.
  local tacho = cast.new("dialgauge", "tacho")
  tacho.XMax, tacho.SmallTickSpace, tacho.BigTickSpace = 8000, 250, 2000
  tacho.BackColor, tacho.TickColor, tacho.TextColor = 0x101010, 0xFFFFFF, 0x00E0FF
  tacho.SpeedColor, tacho.YSpeed = 0x0000C0, 5400
  score.add(tacho, {left = 230, top = 180, right = 420, bottom = 214})
end

if installed.glidebar then
  -- A reversed range, 10 at the left end and 0 at the right, standing at 2.5.
  local reversed = cast.new("glidebar", "countdown")
  reversed.XMinimum, reversed.XMaximum, reversed.Value = 10, 0, 2.5
  score.add(reversed, {left = 230, top = 226, right = 420, bottom = 246})
end

if installed.plotmark then
  -- A graph with a fitted line through measured points, picked so that its equation shows,
  -- below the other kinds across the whole stage.
  local graph = cast.new("plotmark", "graph")
  live.graph = graph
  graph.XLabelString, graph.YLabelString = "Load (kg)", "Length (cm)"
  graph.CurveStyle = 2
  graph.CurrentSymbol = 3
  for i = 0, 12 do
    graph.XNewValue = i * 2
    graph.YNewValue = 2 + 0.45 * i * 2 + ((i * 5) % 3 - 1) * 0.5
  end
  local sprite = score.add(graph, {left = 20, top = 265, right = 520, bottom = 490})
  stage.render()      -- places the plot, so the fit spans the visible range
  graph.Action = 13
  graph.MouseClickMode = 3
  -- One unit is 12 pixels on both axes; pick the line near x = 21, above the points.
  local y = 1.99 + 0.447 * 21
  sprite:mouse_down(58 + 12 * 21, 185 - math.floor(12 * y + 0.5))
  sprite:mouse_up(58 + 12 * 21, 185 - math.floor(12 * y + 0.5))
end

if installed.gridcell then
  -- A table: a price list with a coloured header row, right-aligned prices in a bold
  -- column fitted to its texts, and a highlighted row.
  local t = cast.new("gridcell", "prices")
  t.MaxRows = 4
  t.MaxCols = 3
  local rows = {
    {"", "Item", "Price", "Stock"},
    {"1", "Notebook", "2.40", "120"},
    {"2", "Fountain pen", "18.90", "14"},
    {"3", "Ink, blue", "4.15", "60"},
    {"4", "Ruler 30 cm", "1.10", "85"},
  }
  for r, row in ipairs(rows) do
    for c, text in ipairs(row) do t:call("SetTableText", r - 1, c - 1, text) end
  end
  local function block(row, col, row2, col2, property, value)
    t.BlockMode = 1
    t.Row, t.Col, t.Row2, t.Col2 = row, col, row2, col2
    t[property] = value
    t.BlockMode = 0
  end
  block(0, 0, 4, 3, "xFontBold", 0)
  block(0, 0, 0, 3, "BackColor", 0x6A3A18)
  block(0, 0, 0, 3, "TextColor", 0xFFFFFF)
  block(0, 0, 0, 3, "xFontBold", 1)
  block(1, 0, 4, 0, "BackColor", 0xE0E0E0)
  block(1, 0, 4, 0, "TypeHAlign", 2)
  block(0, 2, 4, 3, "TypeHAlign", 1)
  block(1, 2, 4, 2, "xFontBold", 1)
  block(2, 1, 2, 3, "BackColor", 0xC0F0FF)
  t.Col = 0
  t.ColWidth = 24
  t.Col = 1
  t.ColWidth = 110
  t.Col = 3
  t.ColWidth = 50
  score.add(t, {left = 20, top = 505, right = 420, bottom = 595})
  stage.render()
  t.Col = 2
  t.Action = 51
end

if installed.keypadix then
  -- A pocket calculator that worked out 355 / 113 = on its keyboard: pi to seven digits.
  local calculator = cast.new("keypadix", "calculator")
  local keys = score.add(calculator, {left = 440, top = 13, right = 524, bottom = 167})
  keys:type("355/113=")
  keys:mouse_up(0, 0)
end

-- Played in a window (`zentrix play movies/demo.lua`) the movie lives: the ticker counts,
-- the meter follows the tuner, an equation works itself out again after a click or typing,
-- the graph traces its curve under the mouse with a cross-hair cursor. `zentrix run` never
-- calls these, so the picture it writes stays as above.
function on_frame(seconds)
  if live.ticker then live.ticker.Value = 27.75 + seconds end
  if live.meter then live.meter.YSpeed = live.tuner.Value end
end

function on_refresh(sprite)
  if sprite:member():kind() == "formulon" then sprite:member():call("Calculate") end
end

function on_mouse_move(x, y)
  if live.graph then live.graph.MouseMove = 1 end
end

function on_set_sprite_cursor(sprite, code)
  stage.cursor_shape(code == 2 and "cross" or "arrow")
end
