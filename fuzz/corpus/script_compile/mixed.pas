uses 'a.pas';
const k = 2;
var a: array[0..3] of String;
function F(var x: Integer; y: Extended = 1.5): Integer;
begin Result := x div 2; x := x * k end;
begin
  case F(k) of 1: a[0] := 'it''s' + #13#10; else a[1] := <Page#> end;
  try while True do break finally exit end;
  repeat until not (1 in [1..3]);
  with a do ;
end.
