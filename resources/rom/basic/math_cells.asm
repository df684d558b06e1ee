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
C_DMUL  EQU 13
C_DDIV  EQU 14
C_TOACC EQU 15
C_TOARG EQU 16
C_FIX   EQU 17
C_NEG   EQU 18
C_SQR   EQU 19              ; SQR to ATN in the order of their tokens (DD-E4),
C_INT   EQU 20              ; where RND's place serves INT
C_LOG   EQU 21
C_EXP   EQU 22
C_COS   EQU 23
C_SIN   EQU 24
C_TAN   EQU 25
C_ATN   EQU 26
C_ODDS  EQU 27
C_EXPS  EQU 28
C_SINS  EQU 29
MathCells:
  DEFW MATHX, MATHZ, SCRATCH, DSAVE, QuarterPi, Ln2, DMinusOne
  DEFW SingleOne, SingleHalf, SingleEight, InvLn2, InvTwoPi
  DEFW DAdd, DMul, DDiv, DArgToAcc, DAccToArg, DFix, FNeg
  DEFW DSqr, DInt, DLogChecked, DExp, DCos, DSin, DTan, DAtn
  DEFW OddSeries, ExpSeries, SinSeries
