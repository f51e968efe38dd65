-- The demo movie: every finished kind on one stage. `zentrix` (no arguments) runs it and
-- writes demo.png.

stage.size(540, 180)
stage.color(0x4A3018)  -- 0xBBGGRR: a dark slate blue

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

if installed.keypadix then
  -- A pocket calculator that worked out 355 / 113 = on its keyboard: pi to seven digits.
  local calculator = cast.new("keypadix", "calculator")
  local keys = score.add(calculator, {left = 440, top = 13, right = 524, bottom = 167})
  keys:type("355/113=")
  keys:mouse_up(0, 0)
end
