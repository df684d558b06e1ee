; Tangent in double precision.
;
; RAM: SCRATCH and DSAVE (the argument and its cosine wait there).

; In: ACC double. Out: ACC = its tangent; ?OV when it is too large.
; Keeps: -.
DTan:
  CALL MathSteps
  DEFB S_STORE+C_S, S_CALL+C_COS, S_STORE+C_D
  DEFB S_LOAD+C_S, S_CALL+C_SIN, S_DIV+C_D, 0
  RET
