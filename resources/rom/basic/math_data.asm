; The tables and constants of the mathematical functions, placed in the
; second ROM at the addresses of system/second_rom.inc (included by
; monitor_rom.asm only). A series is its number of terms, then their
; coefficients as singles, the highest power first (math_core.asm sums
; it); doubles where a single's 24 bits would show in a result.

  AT ExpSeries               ; 1/k!, k = 8 down to 0
  DEFB 9
  DEFB 01h,0Dh,50h,71h      ; 1/8!
  DEFB 01h,0Dh,50h,74h      ; 1/7!
  DEFB 61h,0Bh,36h,77h      ; 1/6!
  DEFB 89h,88h,08h,7Ah      ; 1/5!
  DEFB 0ABh,0AAh,2Ah,7Ch    ; 1/4!
  DEFB 0ABh,0AAh,2Ah,7Eh    ; 1/3!
  DEFB 00h,00h,00h,80h      ; 1/2!
  DEFB 00h,00h,00h,81h      ; 1/1!
  DEFB 00h,00h,00h,81h      ; 1/0!
  AT SinSeries               ; (-1)^k / (2k+1)!, k = 6 down to 0
  DEFB 7
  DEFB 31h,92h,30h,60h      ; 1/13!
  DEFB 2Bh,32h,0D7h,67h     ; -1/11!
  DEFB 1Dh,0EFh,38h,6Eh     ; 1/9!
  DEFB 01h,0Dh,0D0h,74h     ; -1/7!
  DEFB 89h,88h,08h,7Ah      ; 1/5!
  DEFB 0ABh,0AAh,0AAh,7Eh   ; -1/3!
  DEFB 00h,00h,00h,81h      ; 1/1!
  AT OddSeries               ; 1/(2k+1), k = 9 down to 0: ATN and LOG
  DEFB 10
  DEFB 36h,94h,57h,7Ch      ; 1/19
  DEFB 0F1h,0F0h,70h,7Ch    ; 1/17
  DEFB 89h,88h,08h,7Dh      ; 1/15
  DEFB 0D9h,89h,1Dh,7Dh     ; 1/13
  DEFB 8Ch,2Eh,3Ah,7Dh      ; 1/11
  DEFB 39h,8Eh,63h,7Dh      ; 1/9
  DEFB 25h,49h,12h,7Eh      ; 1/7
  DEFB 0CDh,0CCh,4Ch,7Eh    ; 1/5
  DEFB 0ABh,0AAh,2Ah,7Fh    ; 1/3
  AT SingleOne
  DEFB 00h,00h,00h,81h      ; 1
  AT SingleEight
  DEFB 00h,00h,00h,84h      ; 8
  AT InvLn2                  ; x / ln 2 splits the argument of EXP
  DEFB 3Bh,0AAh,38h,81h     ; 1/ln 2
  AT InvTwoPi                ; x / 2pi that of SIN
  DEFB 83h,0F9h,22h,7Eh     ; 1/(2pi)
  AT QuarterPi
  DEFB 0C2h,68h,21h,0A2h,0DAh,0Fh,49h,80h      ; pi/4
  AT Ln2
  DEFB 7Ah,0CFh,0D1h,0F7h,17h,72h,31h,80h      ; ln 2
