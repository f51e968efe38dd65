-- Typing into an equation sprite and using the variable pane. The sprite gets the keyboard
-- focus, the equation is typed key by key, the variable rows below it offer "UNCH" (keep a
-- definition) and "IVAR" (make it an independent variable) for each variable; clicking IVAR
-- for x makes x independent, a script gives it a value, and Calculate shows the result.
-- Run: zentrix run movies/equation_typing.lua -o typing.png

stage.size(300, 150)
stage.color(0xD8D8D8)

local eq = cast.new("formulon", "typed")
eq.DepVar1Name = "y"                       -- the equation starts with "y="
local s = score.add(eq, {left = 10, top = 10, right = 290, bottom = 140})

function on_refresh(sprite)
  refreshes = (refreshes or 0) + 1
end

s:focus()
s:mouse_down(40, 12)                       -- caret to the end of "y="
s:mouse_up(40, 12)
s:type("3x")                               -- 3x
s:key("^") s:type("2") s:key(" ")          -- squared, then step out of the exponent
s:type("+b/")                              -- b becomes the numerator of a fraction
s:type("2")                                -- over 2
print("typed:", eq.Eq1String)

stage.render()                             -- lays out the variable rows
print("variables:", eq.Eq1String)

-- b keeps a definition: click its "UNCH" button, then type the definition 4 into its row.
s:mouse_down(50, 64)
s:mouse_up(50, 64)
s:type("4")
stage.render()

-- x becomes an independent variable: click its "IVAR" button; a script gives it a value.
s:mouse_down(83, 43)
s:mouse_up(83, 43)
eq.PropIndex = 0
print("independent:", eq.IndVarName)
eq.IndVarValue = 1.5
eq:call("Calculate")
print("result:", eq.Result, "stored:", eq.Eq1String)
print("refresh handler calls:", refreshes)
