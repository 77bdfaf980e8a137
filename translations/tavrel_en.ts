<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>PdfPages</name>
    <message numerus="yes">
        <source>Tavrel pattern on %n pages: %1 across, %2 down</source>
        <extracomment>The map&apos;s title: %n pages in all, the map included; %1 columns of pages across and %2 rows down.</extracomment>
        <translation>
            <numerusform>Tavrel pattern on %n page: %1 across, %2 down</numerusform>
            <numerusform>Tavrel pattern on %n pages: %1 across, %2 down</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PrintQuestion</name>
    <message numerus="yes">
        <source>The pattern is larger than the page. It will print whole on %n pages of %1 on &quot;%2&quot;: first a diagram of how the pages fit together, then the pages to tape together.</source>
        <extracomment>%n pages in all, the diagram&apos;s page included; %1 the paper, such as A4; %2 the printer.</extracomment>
        <translation>
            <numerusform>The pattern is larger than the page. It will print whole on %n page of %1 on &quot;%2&quot;: first a diagram of how the pages fit together, then the pages to tape together.</numerusform>
            <numerusform>The pattern is larger than the page. It will print whole on %n pages of %1 on &quot;%2&quot;: first a diagram of how the pages fit together, then the pages to tape together.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ReadingNotice</name>
    <message numerus="yes">
        <source>%1 is drawn as %2 inch(es) in %3; choose %4 for %1</source>
        <extracomment>%1 is the text in the box, %2 the inches drawn, %3 and %4 the units&apos; captions.</extracomment>
        <translation>
            <numerusform>%1 is drawn as %2 inch in %3; choose %4 for %1</numerusform>
            <numerusform>%1 is drawn as %2 inches in %3; choose %4 for %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 is drawn as %2 inch(es) in %3, whose whole inches are rounded</source>
        <extracomment>%1 is the text in the box, %2 the inches drawn, %3 the unit&apos;s caption.</extracomment>
        <translation>
            <numerusform>%1 is drawn as %2 inch in %3, whose whole inches are rounded</numerusform>
            <numerusform>%1 is drawn as %2 inches in %3, whose whole inches are rounded</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 is drawn as %2 inch(es) in %3: a fraction over 0 counts as none</source>
        <extracomment>%1 is the text in the box, %2 the inches drawn, %3 the unit&apos;s caption.</extracomment>
        <translation>
            <numerusform>%1 is drawn as %2 inch in %3: a fraction over 0 counts as none</numerusform>
            <numerusform>%1 is drawn as %2 inches in %3: a fraction over 0 counts as none</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 is drawn as %2 inch(es) in %3; type a whole number, a space and a fraction, as 2 1/2</source>
        <extracomment>%1 is the text in the box, %2 the inches drawn, %3 the unit&apos;s caption.</extracomment>
        <translation>
            <numerusform>%1 is drawn as %2 inch in %3; type a whole number, a space and a fraction, as 2 1/2</numerusform>
            <numerusform>%1 is drawn as %2 inches in %3; type a whole number, a space and a fraction, as 2 1/2</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>WebPage</name>
    <message numerus="yes">
        <source>The pattern is larger than the page. It will print whole on %n pages of %1: first a diagram of how the pages fit together, then the pages to tape together.</source>
        <extracomment>Before printing a pattern larger than the page. %n pages in all, the diagram&apos;s page included; %1 the paper, such as A4.</extracomment>
        <translation>
            <numerusform>The pattern is larger than the page. It will print whole on %n page of %1: first a diagram of how the pages fit together, then the pages to tape together.</numerusform>
            <numerusform>The pattern is larger than the page. It will print whole on %n pages of %1: first a diagram of how the pages fit together, then the pages to tape together.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tavrel::projector::CalibrationView</name>
    <message numerus="yes">
        <source>A bar of %Ln pixels cannot measure %1: screens show between %2 and %3 pixels per inch. Check the length and its unit.</source>
        <extracomment>%Ln is the bar&apos;s length on the screen, %1 the length the user typed, %2 and %3 the least and the most pixels per inch.</extracomment>
        <translation>
            <numerusform>A bar of %Ln pixel cannot measure %1: screens show between %2 and %3 pixels per inch. Check the length and its unit.</numerusform>
            <numerusform>A bar of %Ln pixels cannot measure %1: screens show between %2 and %3 pixels per inch. Check the length and its unit.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tavrel::projector::ProjectorDialog</name>
    <message numerus="yes">
        <source>%n pixel(s)</source>
        <translation>
            <numerusform>%n pixel</numerusform>
            <numerusform>%n pixels</numerusform>
        </translation>
    </message>
</context>
</TS>
