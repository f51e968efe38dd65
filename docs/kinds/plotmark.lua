-- Measured points drawn as discs and joined, with labelled axes.
stage.size(320, 200)
stage.color(0xF0F0F0)
local g = cast.new("plotmark", "graph")
g.XLabelString, g.YLabelString = "Load (kg)", "Length (cm)"
g.CurveStyle = 2
g.CurrentSymbol = 3
for i = 0, 10 do
  g.XNewValue = i
  g.YNewValue = 2 + 0.9 * i + ((i * 5) % 3 - 1) * 0.4
end
score.add(g, {left = 5, top = 5, right = 315, bottom = 195})
