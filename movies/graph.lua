-- Graph members that a script fills and plays with: three curves (points, lines, both) with
-- all five symbols, a least-squares line picked with the mouse so that its equation shows, a
-- shaded line, a line with its drag handles, a trace with its pip, text and cursor lines, a
-- graph with whole-number axes and one zoomed in by a click.
--   zentrix run movies/graph.lua -o graph.png

stage.size(660, 500)
stage.color(0x5A4030)

-- The movie chooses the cursor shapes; it only counts the sprites' requests here.
cursor_requests = 0
function on_set_sprite_cursor(sprite, ref, code) cursor_requests = cursor_requests + 1 end

local function point(m, x, y) m.XNewValue = x; m.YNewValue = y end

-- Curves: 0 points, 1 lines, 2 both, each point with the next symbol in turn.
local curves = cast.new("plotmark", "curves")
curves.XLabelString, curves.YLabelString = "Time (s)", "Signal"
curves.XMinimum, curves.YMinimum, curves.DeltaY = -2, -4, 2
for c = 0, 2 do
  curves.CurrentCurve = c
  curves.CurveStyle = c
  for i = 0, 14 do
    curves.CurrentSymbol = i % 5
    point(curves, i * 1.2 - 1, (c + 1) * 3.5 + math.sin(i / 2 + c) * 4)
  end
end
-- A shaded line below, and a segment with symbols.
curves.CurrentLine = 0
curves:call("PlotLine", 0, -2, 10, 6)
curves.LineShade = 2
curves.CurrentLine = 1
curves.LineStyle = 2
curves.CurrentSymbol = 3
curves:call("PlotLine", 2, 22, 14, 26)
score.add(curves, {left = 10, top = 10, right = 330, bottom = 240})

-- A fit through noisy points; clicking on the fitted line picks it and labels it.
local fit = cast.new("plotmark", "fit")
fit.XLabelString, fit.YLabelString = "Dose", "Response"
fit.CurrentSymbol = 1
for i = 0, 15 do point(fit, i, 1.5 + 0.6 * i + ((i * 7) % 5 - 2) * 0.4) end
local fitSprite = score.add(fit, {left = 340, top = 10, right = 650, bottom = 240})
stage.render()             -- the first draw places the plot (XMaximum follows the sprite)
fit.Action = 13            -- least squares into line 0
fit.MouseClickMode = 3     -- select lines
local fx, fy = 58 + 12 * 11, 190 - math.floor(12 * (0.6 * 11 + 1.5) / 1 + 0.5)
fitSprite:mouse_down(fx, fy)
fitSprite:mouse_up(fx, fy)
print(("fit: %s Pearson %.4f"):format(fit.LineEquation ~= "" and fit.LineEquation or "(next draw)", fit.Pearson))

-- A line with its drag handles (the square one on the intercept), on a plot around the origin.
local handles = cast.new("plotmark", "handles")
handles.XLabelString, handles.YLabelString = "", "y"
handles.XMinimum, handles.YMinimum = -5, -5
handles.ShowLineHandles = 1
handles.LineColor = 0x008000
handles:call("PlotLine", -2, -1, 4, 3)
score.add(handles, {left = 10, top = 250, right = 220, bottom = 490})

-- Whole-number axes (DeltaX 0.5 becomes 1/2 with ticks every 4 squares, DeltaY 2.7 becomes 2)
-- and a traced curve: the click picks the curve, then the mouse moves and the pip, the trace
-- text and the cursor lines follow it.
local trace = cast.new("plotmark", "trace")
trace.XLabelString, trace.YLabelString = "n", "n^2 / 2"
trace.ForceIntegerX, trace.ForceIntegerY = 1, 1
trace.DeltaX, trace.DeltaY = 0.5, 2.7
trace.CurveStyle = 2
trace.CurrentSymbol = 4
for n = 0, 6 do point(trace, n, n * n / 2) end
trace.MouseClickMode = 2
trace.PipTrace, trace.ShowCursorLines, trace.TracePosition = 1, 1, 2
local traceSprite = score.add(trace, {left = 230, top = 250, right = 440, bottom = 490})

-- Zoomed: a click with the second modifier halves both ranges around the click.
local zoom = cast.new("plotmark", "zoom")
zoom.XLabelString, zoom.YLabelString = "x", "sin x"
zoom.XMinimum, zoom.YMinimum = -4, -2
zoom.CurveStyle = 1
zoom.CurveColor = 0x800080
for i = 0, 80 do point(zoom, -4 + i * 0.2, math.sin(-4 + i * 0.2) * 1.5) end
local zoomSprite = score.add(zoom, {left = 450, top = 250, right = 650, bottom = 490})

stage.render()
zoomSprite:event(1, 58 + 12 * 4, 200 - 12 * 2, 0, 2)  -- world (0, 0)
zoomSprite:mouse_up(58 + 12 * 4, 200 - 12 * 2)
-- On the trace graph one unit of n is 24 pixels and one of y 6 pixels.
traceSprite:mouse_down(58 + 24 * 4, 200 - 6 * 8)
traceSprite:mouse_up(58 + 24 * 4, 200 - 6 * 8)
stage.render()
-- The mouse moves to n = 5 above the curve: the trace snaps the pointer onto it.
stage.cursor(230 + 58 + 24 * 5, 250 + 60)
trace.MouseMove = 1
local cx, cy = stage.cursor()
print(("trace: pointer moved to (%d, %d); %d cursor requests"):format(cx, cy, cursor_requests))
-- The next draw (the picture that `-o` renders) is a trace overlay over the kept plot.
