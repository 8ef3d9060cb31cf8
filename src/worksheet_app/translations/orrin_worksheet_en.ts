<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>orrin::ChooserPanel</name>
    <message>
        <location filename="../chooser_panel.cpp" line="35"/>
        <source>&amp;Solid</source>
        <translation>&amp;Solid</translation>
    </message>
    <message>
        <location filename="../chooser_panel.cpp" line="43"/>
        <source>(choose)</source>
        <translation>(choose)</translation>
    </message>
    <message>
        <location filename="../chooser_panel.cpp" line="46"/>
        <source>&amp;Preset</source>
        <translation>&amp;Preset</translation>
    </message>
    <message>
        <location filename="../chooser_panel.cpp" line="48"/>
        <source>Open model…</source>
        <translation>Open model…</translation>
    </message>
</context>
<context>
    <name>orrin::WorksheetWindow</name>
    <message>
        <location filename="../worksheet_window.cpp" line="56"/>
        <source>Orrin Worksheets</source>
        <translation>Orrin Worksheets</translation>
    </message>
    <message>
        <location filename="../worksheet_window.cpp" line="63"/>
        <source>Measures</source>
        <translation>Measures</translation>
    </message>
    <message>
        <location filename="../worksheet_window.cpp" line="101"/>
        <source>Oblique drawing</source>
        <translation>Oblique drawing</translation>
    </message>
    <message>
        <location filename="../worksheet_window.cpp" line="101"/>
        <source>Three views</source>
        <translation>Three views</translation>
    </message>
    <message>
        <location filename="../worksheet_window.cpp" line="101"/>
        <source>Net</source>
        <translation>Net</translation>
    </message>
    <message>
        <location filename="../worksheet_window.cpp" line="101"/>
        <source>Section</source>
        <translation>Section</translation>
    </message>
    <message>
        <source>Auxiliary lines</source>
        <translation>Auxiliary lines</translation>
    </message>
    <message>
        <location filename="../worksheet_window.cpp" line="105"/>
        <source>Letters</source>
        <translation>Letters</translation>
    </message>
    <message>
        <location filename="../worksheet_window.cpp" line="108"/>
        <source>Hidden edges dashed</source>
        <translation>Hidden edges dashed</translation>
    </message>
    <message>
        <location filename="../worksheet_window.cpp" line="108"/>
        <source>Hidden edges left out</source>
        <translation>Hidden edges left out</translation>
    </message>
    <message>
        <location filename="../worksheet_window.cpp" line="108"/>
        <source>Hidden edges drawn solid</source>
        <translation>Hidden edges drawn solid</translation>
    </message>
    <message>
        <location filename="../worksheet_window.cpp" line="119"/>
        <source>Fol&amp;d</source>
        <translation>Fol&amp;d</translation>
    </message>
    <message>
        <location filename="../worksheet_window.cpp" line="124"/>
        <source>Glue tabs</source>
        <translation>Glue tabs</translation>
    </message>
    <message>
        <location filename="../worksheet_window.cpp" line="135"/>
        <source>Through</source>
        <translation>Through</translation>
    </message>
    <message>
        <location filename="../worksheet_window.cpp" line="138"/>
        <source>Offset</source>
        <translation>Offset</translation>
    </message>
    <message>
        <location filename="../worksheet_window.cpp" line="141"/>
        <source>Tilt</source>
        <translation>Tilt</translation>
    </message>
    <message>
        <location filename="../worksheet_window.cpp" line="188"/>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <location filename="../worksheet_window.cpp" line="189"/>
        <source>&amp;Open model…</source>
        <translation>&amp;Open model…</translation>
    </message>
    <message>
        <location filename="../worksheet_window.cpp" line="191"/>
        <source>&amp;Export sheet…</source>
        <translation>&amp;Export sheet…</translation>
    </message>
    <message>
        <location filename="../worksheet_window.cpp" line="193"/>
        <source>&amp;Print sheet…</source>
        <translation>&amp;Print sheet…</translation>
    </message>
    <message>
        <location filename="../worksheet_window.cpp" line="196"/>
        <source>&amp;Quit</source>
        <translation>&amp;Quit</translation>
    </message>
    <message>
        <location filename="../worksheet_window.cpp" line="198"/>
        <source>&amp;Edit</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <location filename="../worksheet_window.cpp" line="199"/>
        <source>&amp;Copy sheet</source>
        <translation>&amp;Copy sheet</translation>
    </message>
    <message>
        <location filename="../worksheet_window.cpp" line="250"/>
        <location filename="../worksheet_window.cpp" line="284"/>
        <source>Open model</source>
        <translation>Open model</translation>
    </message>
    <message>
        <location filename="../worksheet_window.cpp" line="258"/>
        <location filename="../worksheet_window.cpp" line="291"/>
        <source>Export sheet</source>
        <translation>Export sheet</translation>
    </message>
    <message>
        <location filename="../worksheet_window.cpp" line="270"/>
        <source>The sheet is on the clipboard (SVG and PNG).</source>
        <translation>The sheet is on the clipboard (SVG and PNG).</translation>
    </message>
    <message>
        <location filename="../worksheet_window.cpp" line="285"/>
        <source>Models (*.qrn *.3ds *.QRN *.3DS)</source>
        <translation>Models (*.qrn *.3ds *.QRN *.3DS)</translation>
    </message>
    <message>
        <location filename="../worksheet_window.cpp" line="292"/>
        <source>SVG (*.svg);;PDF (*.pdf);;PNG (*.png);;TikZ (*.tex)</source>
        <translation>SVG (*.svg);;PDF (*.pdf);;PNG (*.png);;TikZ (*.tex)</translation>
    </message>
    <message>
        <location filename="../worksheet_window.cpp" line="301"/>
        <source>PNG resolution</source>
        <translation>PNG resolution</translation>
    </message>
    <message>
        <location filename="../worksheet_window.cpp" line="301"/>
        <source>Dots per inch:</source>
        <translation>Dots per inch:</translation>
    </message>
</context>
</TS>
