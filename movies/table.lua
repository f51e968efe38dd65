-- The table kind (gridcell): a timetable with a coloured header row and column, a bold
-- block, right- and centre-aligned columns, two fonts, a picture in a cell and its
-- duplicate, and a column fitted to its texts; a second, smaller sprite of the same member;
-- and a calendar table scrolled by TopRow and LeftCol, without its row headers, whose
-- active cell is picked by a click.
--   zentrix run movies/table.lua -o table.png

stage.size(420, 260)
stage.color(0x5A4030)

-- Writes one property over the block (row, col)-(row2, col2).
local function block(m, row, col, row2, col2, property, value)
  m.BlockMode = 1
  m.Row, m.Col, m.Row2, m.Col2 = row, col, row2, col2
  m[property] = value
  m.BlockMode = 0
end

-- The timetable: five lessons, a header row of column names and a header column of times.
local t = cast.new("gridcell", "timetable")
t.MaxRows = 5
t.MaxCols = 4
local header = {"Time", "Course", "Room", "Teacher", "Notes"}
local lessons = {
  {"08:00", "Algebra", "101", "Ms Okafor", ""},
  {"09:30", "Chemistry", "214", "Mr Lindqvist", ""},
  {"11:00", "History", "7", "Mrs Abernathy-Price", "Essay"},
  {"13:30", "Drawing", "3", "Mr Ito", ""},
  {"15:00", "Physics", "212", "Dr Rahman", ""},
}
for c = 0, 4 do t:call("SetTableText", 0, c, header[c + 1]) end
for r, lesson in ipairs(lessons) do
  for c = 0, 4 do t:call("SetTableText", r, c, lesson[c + 1]) end
end

block(t, 0, 0, 5, 4, "xFontBold", 0)
block(t, 0, 0, 0, 4, "BackColor", 0x7A3A10)   -- header row: dark blue, white bold text
block(t, 0, 0, 0, 4, "TextColor", 0xFFFFFF)
block(t, 0, 0, 0, 4, "xFontBold", 1)
block(t, 1, 0, 5, 0, "BackColor", 0xD8E8F8)   -- header column: sand
block(t, 1, 1, 5, 1, "TypeHAlign", 2)         -- courses centred, in a serif font
block(t, 1, 1, 5, 1, "xFontName", "Times New Roman")
block(t, 1, 1, 5, 1, "xFontSize", 16)
block(t, 1, 2, 5, 2, "TypeHAlign", 1)         -- rooms right-aligned
block(t, 2, 1, 3, 3, "xFontBold", 1)          -- the bold block: the two double lessons
block(t, 2, 1, 3, 3, "BackColor", 0xD0F0D0)
t.Col = 2
t.ColWidth = 46

-- The table's own thumbnail as a picture, in a taller row, and its duplicate.
local picture = cast.bitmap("sheet", "../resources/gridcell32/thumbnail.bmp")
for _, row in ipairs({2, 5}) do
  t.Row = row
  t.RowHeight = 36
end
t:call("ImportPicture", picture, 2, 4)
t:call("DuplicatePicture", 2, 4, 5, 4)

score.add(t, {left = 10, top = 10, right = 410, bottom = 160})

-- The teacher column is fitted to its texts, measured by the first draw.
stage.render()
t.Col = 3
t.Action = 51

-- A second sprite of the same member: a window onto its top-left corner.
score.add(t, {left = 10, top = 165, right = 180, bottom = 250})

-- A calendar: seven columns of days, scrolled to the second week and to Wednesday, without
-- the row headers; a click picks a day, which the script then marks.
local cal = cast.new("gridcell", "calendar")
cal.MaxRows = 5
cal.MaxCols = 7
local days = {"Mo", "Tu", "We", "Th", "Fr", "Sa", "Su"}
for c = 1, 7 do cal:call("SetTableText", 0, c, days[c]) end
for r = 1, 5 do
  cal:call("SetTableText", r, 0, "W" .. r)
  for c = 1, 7 do
    local day = (r - 1) * 7 + c
    if day <= 31 then cal:call("SetTableText", r, c, tostring(day)) end
  end
end
for c = 0, 7 do
  cal.Col = c
  cal.ColWidth = 30
end
block(cal, 0, 0, 5, 7, "TypeHAlign", 2)
block(cal, 0, 0, 0, 7, "BackColor", 0x404040)
block(cal, 0, 0, 0, 7, "TextColor", 0xFFFFFF)
block(cal, 1, 6, 5, 7, "TextColor", 0x0000C0)   -- weekends in red
block(cal, 1, 1, 5, 7, "xFontBold", 0)
cal.TopRow = 2
cal.LeftCol = 3
cal.DisplayRowHeaders = 0
local week = score.add(cal, {left = 200, top = 165, right = 410, bottom = 250})

stage.render()
week:mouse_down(100, 30) -- the fourth column shown (Sa), the first row shown (week 2)
cal.Row, cal.Col = cal.ActiveRow, cal.ActiveCol
cal.BackColor = 0x40E0FF
cal.Action = 0
print(("picked %s in week %d (ActiveH %d, ActiveV %d)"):format(
  cal:call("GetTableText", cal.ActiveRow, cal.ActiveCol), cal.ActiveRow, cal.ActiveH, cal.ActiveV))
