var s: String; d: TDateTime; x: Extended; i: Integer; v: Variant;
begin
  i := StrToInt('-2147483648');
  x := StrToFloat('1.5E300') * 10;
  d := StrToDate('12/31/9999');
  d := StrToDateTime('1/1/2000 23:59:59');
  d := StrToTime('12:30');
  try i := StrToInt('99999999999') except i := 0 end;
  try d := StrToDate('1/1/10000') except d := 0 end;
  s := IntToStr(i) + FloatToStr(x) + DateToStr(d) + TimeToStr(d) + IntToHex(i, 8);
  v := '12' + 3;
end.
