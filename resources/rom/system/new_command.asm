; NEW (1B49h, which it begins at).
;
; RAM: none of its own (DoNew empties the program).

; In: -. Out: to the command level with no program. Keeps: -.
NewCommand:
  CALL DoNew
  JP ReadyLevel
