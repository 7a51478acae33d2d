var i, s: Integer;
begin
  for i := 1 to 10 do s := s + i;
end.
