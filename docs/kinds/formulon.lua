-- Two equations: y uses the definition a = 3 and the independent variable x = 2; z uses y.
stage.size(210, 90)
stage.color(0xF0F0F0)
local eq = cast.new("formulon", "equations")
eq.ShowIndepVars = 0
eq.Eq1String = "2|y=/^a@&x^2@+1@+%x@|z=2y-{sin}(x@|a|3"
eq.PropIndex = 0
eq.IndVarName = "x"
eq.IndVarValue = 2
eq:call("Calculate")
score.add(eq, {left = 10, top = 5, right = 200, bottom = 85})
