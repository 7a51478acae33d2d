var s: String; i, n: Integer; l: TStringList;
function Fib(k: Integer): Integer;
begin if k < 2 then Result := k else Result := Fib(k - 1) + Fib(k - 2) end;
begin
  l := TStringList.Create;
  for i := 1 to 50 do
    l.Add(Copy('abcdefghij', i mod 10, 3) + UpperCase(Chr(65 + i mod 26)));
  s := l.CommaText;
  n := Pos('c', s) + Length(Trim('  x  ')) + Fib(15);
  while n > 0 do n := n div 2;
  repeat n := n + 1 until n >= 10;
  case n of 1..5: s := 'low'; 10: s := 'ten' else s := 'other' end;
  while True do ;
end.
