; The cells of the steps of the mathematical functions (math_steps.asm).

; Doubles, then singles (from C_ONE on), then the routines and series.
C_X     EQU 0
C_Z     EQU 1
C_S     EQU 2
C_D     EQU 3
C_QPI   EQU 4
C_LN2   EQU 5
C_M1    EQU 6
C_ONE   EQU 7
C_HALF  EQU 8
C_EIGHT EQU 9
C_INVLN2 EQU 10
C_INV2PI EQU 11
C_DADD  EQU 12              ; the operations of S_ADD..S_LOAD, in order
C_DSUB  EQU 13
C_DMUL  EQU 14
C_DDIV  EQU 15
C_TOACC EQU 16
C_TOARG EQU 17
C_FIX   EQU 18
C_NEG   EQU 19
C_SQR   EQU 20              ; SQR to ATN in the order of their tokens (DD-E4),
C_INT   EQU 21              ; where RND's place serves INT
C_LOG   EQU 22
C_EXP   EQU 23
C_COS   EQU 24
C_SIN   EQU 25
C_TAN   EQU 26
C_ATN   EQU 27
C_ODDS  EQU 28
C_EXPS  EQU 29
C_SINS  EQU 30
MathCells:
  DEFW MATHX, MATHZ, SCRATCH, DSAVE, QuarterPi, Ln2, DMinusOne
  DEFW SingleOne, SingleHalf, SingleEight, InvLn2, InvTwoPi
  DEFW DAdd, DSub, DMul, DDiv, DArgToAcc, DAccToArg, DFix, FNeg
  DEFW DSqr, DInt, DLogChecked, DExp, DCos, DSin, DTan, DAtn
  DEFW OddSeries, ExpSeries, SinSeries
