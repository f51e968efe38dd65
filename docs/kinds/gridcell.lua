-- A price list: a coloured header row, right-aligned prices.
stage.size(250, 90)
stage.color(0xF0F0F0)
local t = cast.new("gridcell", "prices")
t.MaxRows, t.MaxCols = 3, 2
local rows = {{"", "Item", "Price"}, {"1", "Notebook", "2.40"},
              {"2", "Fountain pen", "18.90"}, {"3", "Ink, blue", "4.15"}}
for r, row in ipairs(rows) do
  for c, text in ipairs(row) do t:call("SetTableText", r - 1, c - 1, text) end
end
t.BlockMode = 1
t.Row, t.Col, t.Row2, t.Col2 = 0, 0, 0, 2
t.BackColor, t.TextColor = 0x6A3A18, 0xFFFFFF
t.Row, t.Col, t.Row2, t.Col2 = 1, 2, 3, 2
t.TypeHAlign = 1
t.BlockMode = 0
t.Col = 0
t.ColWidth = 24
t.Col = 1
t.ColWidth = 110
score.add(t, {left = 10, top = 10, right = 240, bottom = 80})
