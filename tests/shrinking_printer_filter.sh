#!/bin/sh
# A print filter for a test queue that behaves like a printer whose output is 2 % too small:
# every page of the PDF job comes out as PostScript with its content scaled by 0.98 about the
# page's lower left corner, on paper of the same size. CUPS passes the job's file as the sixth
# argument, or the document on standard input.
input=${6:--}
exec gs -q -dSAFER -dBATCH -dNOPAUSE -sDEVICE=ps2write -sOutputFile=- \
    -c "<< /BeginPage { 0.98 0.98 scale } >> setpagedevice" -f "$input"
