var s: String; d: TDateTime; x: Extended; i: Integer;
begin
  s := Format('%d %s %8.3f %x %-10s|', [42, 'abc', 3.14159, 255, 'left']);
  s := FormatFloat('#,##0.00;(#,##0.00);zero', -1234.5);
  d := EncodeDate(2024, 2, 29) + EncodeTime(13, 45, 30, 500);
  s := FormatDateTime('yyyy.mm.dd. dddd hh:nn:ss.zzz am/pm', d);
  s := FormatMaskText('!999-99-99;1;_', '1234567');
end.
