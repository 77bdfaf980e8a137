#include "web/dxf_frame.h"

#include <algorithm>
#include <cstdio>
#include <string_view>

namespace tavrel::web {
namespace {

// One group a line: its code, and after a space its value (none when empty).
constexpr std::string_view kTablesAndBlocks = R"(0 SECTION
2 TABLES
0 TABLE
2 VPORT
5 8
100 AcDbSymbolTable
70 1
0 VPORT
5 30
100 AcDbSymbolTableRecord
100 AcDbViewportTableRecord
2 *Active
70 0
10 0.0
20 0.0
11 1.0
21 1.0
12 286.3055555555555
22 148.5
13 0.0
23 0.0
14 10.0
24 10.0
15 10.0
25 10.0
16 0.0
26 0.0
36 1.0
17 0.0
27 0.0
37 0.0
40 297.0
41 1.92798353909465
42 50.0
43 0.0
44 0.0
50 0.0
51 0.0
71 0
72 100
73 1
74 3
75 1
76 1
77 0
78 0
281 0
65 1
110 0.0
120 0.0
130 0.0
111 1.0
121 0.0
131 0.0
112 0.0
122 1.0
132 0.0
79 0
146 0.0
0 ENDTAB
0 TABLE
2 LTYPE
5 5
100 AcDbSymbolTable
70 3
0 LTYPE
5 14
100 AcDbSymbolTableRecord
100 AcDbLinetypeTableRecord
2 BYBLOCK
70 0
3
72 65
73 0
40 0.0
0 LTYPE
5 15
100 AcDbSymbolTableRecord
100 AcDbLinetypeTableRecord
2 BYLAYER
70 0
3
72 65
73 0
40 0.0
0 LTYPE
5 16
100 AcDbSymbolTableRecord
100 AcDbLinetypeTableRecord
2 CONTINUOUS
70 0
3 Solid line
72 65
73 0
40 0.0
0 ENDTAB
0 TABLE
2 LAYER
5 2
100 AcDbSymbolTable
70 3
0 LAYER
5 10
100 AcDbSymbolTableRecord
100 AcDbLayerTableRecord
2 0
70 0
62 7
6 CONTINUOUS
370 -3
390 F
0 LAYER
5 31
100 AcDbSymbolTableRecord
100 AcDbLayerTableRecord
2 CUT
70 0
62 7
6 CONTINUOUS
370 -3
390 F
0 LAYER
5 32
100 AcDbSymbolTableRecord
100 AcDbLayerTableRecord
2 RULER
70 0
62 5
6 CONTINUOUS
370 -3
390 F
0 ENDTAB
0 TABLE
2 STYLE
5 3
100 AcDbSymbolTable
70 1
0 STYLE
5 33
100 AcDbSymbolTableRecord
100 AcDbTextStyleTableRecord
2 Standard
70 0
40 0.0
41 1.0
50 0.0
71 0
42 2.5
3
4
1001 ACAD
1000 txt
1071 0
0 ENDTAB
0 TABLE
2 VIEW
5 6
100 AcDbSymbolTable
70 0
0 ENDTAB
0 TABLE
2 UCS
5 7
100 AcDbSymbolTable
70 0
0 ENDTAB
0 TABLE
2 APPID
5 9
100 AcDbSymbolTable
70 1
0 APPID
5 12
100 AcDbSymbolTableRecord
100 AcDbRegAppTableRecord
2 ACAD
70 0
0 ENDTAB
0 TABLE
2 DIMSTYLE
5 A
100 AcDbSymbolTable
70 1
100 AcDbDimStyleTable
71 0
0 DIMSTYLE
105 27
100 AcDbSymbolTableRecord
100 AcDbDimStyleTableRecord
2 Standard
41 2.5
42 0.625
43 3.75
44 1.25
70 0
73 0
74 0
77 1
78 8
140 2.5
141 2.5
143 0.03937007874016
147 0.625
171 3
172 1
271 2
272 2
274 3
278 44
283 0
284 8
340 33
0 ENDTAB
0 TABLE
2 BLOCK_RECORD
5 1
100 AcDbSymbolTable
70 1
0 BLOCK_RECORD
5 1F
100 AcDbSymbolTableRecord
100 AcDbBlockTableRecord
2 *Model_Space
340 22
0 BLOCK_RECORD
5 1B
100 AcDbSymbolTableRecord
100 AcDbBlockTableRecord
2 *Paper_Space
340 1E
0 BLOCK_RECORD
5 23
100 AcDbSymbolTableRecord
100 AcDbBlockTableRecord
2 *Paper_Space0
340 26
0 ENDTAB
0 ENDSEC
0 SECTION
2 BLOCKS
0 BLOCK
5 20
100 AcDbEntity
8 0
100 AcDbBlockBegin
2 *Model_Space
70 0
10 0.0
20 0.0
30 0.0
3 *Model_Space
1
0 ENDBLK
5 21
100 AcDbEntity
8 0
100 AcDbBlockEnd
0 BLOCK
5 1C
100 AcDbEntity
67 1
8 0
100 AcDbBlockBegin
2 *Paper_Space
70 0
10 0.0
20 0.0
30 0.0
3 *Paper_Space
1
0 ENDBLK
5 1D
100 AcDbEntity
67 1
8 0
100 AcDbBlockEnd
0 BLOCK
5 24
100 AcDbEntity
8 0
100 AcDbBlockBegin
2 *Paper_Space0
70 0
10 0.0
20 0.0
30 0.0
3 *Paper_Space0
1
0 ENDBLK
5 25
100 AcDbEntity
8 0
100 AcDbBlockEnd
0 ENDSEC)";

constexpr std::string_view kObjectsBeforeVariables = R"(0 SECTION
2 OBJECTS
0 DICTIONARY
5 C
100 AcDbDictionary
280 0
281 1
3 ACAD_GROUP
350 D
3 ACAD_LAYOUT
350 1A
3 ACAD_MLINESTYLE
350 17
3 ACAD_PLOTSETTINGS
350 19
3 ACAD_PLOTSTYLENAME
350 E
3 AcDbVariableDictionary)";

constexpr std::string_view kObjectsAfterVariables = R"(0 DICTIONARY
5 D
100 AcDbDictionary
280 0
281 1
0 ACDBDICTIONARYWDFLT
5 E
100 AcDbDictionary
281 1
3 Normal
350 F
100 AcDbDictionaryWithDefault
340 F
0 ACDBPLACEHOLDER
5 F
0 DICTIONARY
5 17
100 AcDbDictionary
280 0
281 1
3 Standard
350 18
0 MLINESTYLE
5 18
100 AcDbMlineStyle
2 STANDARD
70 0
3
62 256
51 90.0
52 90.0
71 2
49 0.5
62 256
6 BYLAYER
49 -0.5
62 256
6 BYLAYER
0 DICTIONARY
5 19
100 AcDbDictionary
280 0
281 1
0 DICTIONARY
5 1A
100 AcDbDictionary
281 1
3 Layout1
350 1E
3 Layout2
350 26
3 Model
350 22
0 LAYOUT
5 1E
100 AcDbPlotSettings
1
2 none_device
4
6
40 0.0
41 0.0
42 0.0
43 0.0
44 0.0
45 0.0
46 0.0
47 0.0
48 0.0
49 0.0
140 0.0
141 0.0
142 1.0
143 1.0
70 688
72 0
73 0
74 5
7
75 16
147 1.0
148 0.0
149 0.0
100 AcDbLayout
1 Layout1
70 1
71 1
10 0.0
20 0.0
11 420.0
21 297.0
12 0.0
22 0.0
32 0.0
14 100000000000000000000.0
24 100000000000000000000.0
34 100000000000000000000.0
15 -100000000000000000000.0
25 -100000000000000000000.0
35 -100000000000000000000.0
146 0.0
13 0.0
23 0.0
33 0.0
16 1.0
26 0.0
36 0.0
17 0.0
27 1.0
37 0.0
76 0
330 1B
0 LAYOUT
5 22
100 AcDbPlotSettings
1
2 none_device
4
6
40 0.0
41 0.0
42 0.0
43 0.0
44 0.0
45 0.0
46 0.0
47 0.0
48 0.0
49 0.0
140 0.0
141 0.0
142 1.0
143 1.0
70 1712
72 0
73 0
74 0
7
75 0
147 1.0
148 0.0
149 0.0
100 AcDbLayout
1 Model
70 1
71 0
10 0.0
20 0.0
11 12.0
21 9.0
12 0.0
22 0.0
32 0.0
14 0.0
24 0.0
34 0.0
15 0.0
25 0.0
35 0.0
146 0.0
13 0.0
23 0.0
33 0.0
16 1.0
26 0.0
36 0.0
17 0.0
27 1.0
37 0.0
76 0
330 1F
0 LAYOUT
5 26
100 AcDbPlotSettings
1
2 none_device
4
6
40 0.0
41 0.0
42 0.0
43 0.0
44 0.0
45 0.0
46 0.0
47 0.0
48 0.0
49 0.0
140 0.0
141 0.0
142 1.0
143 1.0
70 688
72 0
73 0
74 5
7
75 16
147 1.0
148 0.0
149 0.0
100 AcDbLayout
1 Layout2
70 1
71 2
10 0.0
20 0.0
11 12.0
21 9.0
12 0.0
22 0.0
32 0.0
14 0.0
24 0.0
34 0.0
15 0.0
25 0.0
35 0.0
146 0.0
13 0.0
23 0.0
33 0.0
16 1.0
26 0.0
36 0.0
17 0.0
27 1.0
37 0.0
76 0
330 23)";

// Each group as a DXF file spells it: the code right-aligned in three places, the value on the
// next line.
std::string expanded(std::string_view groups)
{
    std::string text;
    while (!groups.empty()) {
        const std::string_view line = groups.substr(0, groups.find('\n'));
        groups.remove_prefix(std::min(groups.size(), line.size() + 1));
        const std::size_t space = std::min(line.find(' '), line.size());
        text += std::string(3 - std::min<std::size_t>(3, space), ' ');
        text += line.substr(0, space);
        text += '\n';
        text += line.substr(std::min(line.size(), space + 1));
        text += '\n';
    }
    return text;
}

}  // namespace

std::string dxfTablesAndBlocks()
{
    return expanded(kTablesAndBlocks);
}

std::string dxfObjects(unsigned firstHandle)
{
    const std::string variables = dxfHandle(firstHandle);
    const std::string hideText = dxfHandle(firstHandle + 1);
    const std::string dimAssoc = dxfHandle(firstHandle + 2);
    return expanded(kObjectsBeforeVariables) + expanded("350 " + variables) +
           expanded(kObjectsAfterVariables) +
           expanded("0 DICTIONARY\n5 " + variables +
                    "\n100 AcDbDictionary\n281 1\n3 DIMASSOC\n350 " + dimAssoc +
                    "\n3 HIDETEXT\n350 " + hideText + "\n0 DICTIONARYVAR\n5 " + hideText +
                    "\n100 DictionaryVariables\n280 0\n1 2\n0 DICTIONARYVAR\n5 " + dimAssoc +
                    "\n100 DictionaryVariables\n280 0\n1 1\n0 ENDSEC\n0 EOF");
}

std::string dxfHandle(unsigned handle)
{
    char text[16];
    std::snprintf(text, sizeof text, "%X", handle);
    return text;
}

}  // namespace tavrel::web
