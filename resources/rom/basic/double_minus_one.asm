; The double -1 (a file of its own: it fills a small gap).

DMinusOne:
  DEFB 0,0,0,0,0,0,80h,81h
