' Demo macro: Run All loads two NC files and moves the tool;
' the User buttons call the routines below in the same engine.
inp.LOADNC "a.nc"
LOADNC "b.nc"
MOVE 10, 20, 5
passes = 0

Sub User1
  passes = passes + 1
  MESSAGE "User1 pass " & passes & ", X is " & GETPOS("X")
End Sub

Sub User2
  MsgBox "Tool at " & GETPOS("X") & ", " & GETPOS("Y") & ", " & GETPOS("Z")
End Sub
