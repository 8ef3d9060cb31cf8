<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>orrin::ChooserPanel</name>
    <message>
        <location filename="../chooser_panel.cpp" line="35"/>
        <source>&amp;Solid</source>
        <translation>立体图形(&amp;S)</translation>
    </message>
    <message>
        <location filename="../chooser_panel.cpp" line="43"/>
        <source>(choose)</source>
        <translation>（选择）</translation>
    </message>
    <message>
        <location filename="../chooser_panel.cpp" line="46"/>
        <source>&amp;Preset</source>
        <translation>常用立体(&amp;P)</translation>
    </message>
    <message>
        <location filename="../chooser_panel.cpp" line="48"/>
        <source>Open model…</source>
        <translation>打开模型…</translation>
    </message>
</context>
<context>
    <name>orrin::WorksheetWindow</name>
    <message>
        <location filename="../worksheet_window.cpp" line="56"/>
        <source>Orrin Worksheets</source>
        <translation>立体图形 · 教学图纸</translation>
    </message>
    <message>
        <location filename="../worksheet_window.cpp" line="63"/>
        <source>Measures</source>
        <translation>度量</translation>
    </message>
    <message>
        <location filename="../worksheet_window.cpp" line="101"/>
        <source>Oblique drawing</source>
        <translation>直观图</translation>
    </message>
    <message>
        <location filename="../worksheet_window.cpp" line="101"/>
        <source>Three views</source>
        <translation>三视图</translation>
    </message>
    <message>
        <location filename="../worksheet_window.cpp" line="101"/>
        <source>Net</source>
        <translation>展开图</translation>
    </message>
    <message>
        <location filename="../worksheet_window.cpp" line="101"/>
        <source>Section</source>
        <translation>截面</translation>
    </message>
    <message>
        <source>Auxiliary lines</source>
        <translation>辅助线</translation>
    </message>
    <message>
        <location filename="../worksheet_window.cpp" line="105"/>
        <source>Letters</source>
        <translation>字母</translation>
    </message>
    <message>
        <location filename="../worksheet_window.cpp" line="108"/>
        <source>Hidden edges dashed</source>
        <translation>看不见的棱画虚线</translation>
    </message>
    <message>
        <location filename="../worksheet_window.cpp" line="108"/>
        <source>Hidden edges left out</source>
        <translation>不画看不见的棱</translation>
    </message>
    <message>
        <location filename="../worksheet_window.cpp" line="108"/>
        <source>Hidden edges drawn solid</source>
        <translation>看不见的棱画实线</translation>
    </message>
    <message>
        <location filename="../worksheet_window.cpp" line="119"/>
        <source>Fol&amp;d</source>
        <translation>折叠(&amp;D)</translation>
    </message>
    <message>
        <location filename="../worksheet_window.cpp" line="124"/>
        <source>Glue tabs</source>
        <translation>粘贴边</translation>
    </message>
    <message>
        <location filename="../worksheet_window.cpp" line="135"/>
        <source>Through</source>
        <translation>经过</translation>
    </message>
    <message>
        <location filename="../worksheet_window.cpp" line="138"/>
        <source>Offset</source>
        <translation>平移</translation>
    </message>
    <message>
        <location filename="../worksheet_window.cpp" line="141"/>
        <source>Tilt</source>
        <translation>倾斜</translation>
    </message>
    <message>
        <location filename="../worksheet_window.cpp" line="188"/>
        <source>&amp;File</source>
        <translation>文件(&amp;F)</translation>
    </message>
    <message>
        <location filename="../worksheet_window.cpp" line="189"/>
        <source>&amp;Open model…</source>
        <translation>打开模型(&amp;O)…</translation>
    </message>
    <message>
        <location filename="../worksheet_window.cpp" line="191"/>
        <source>&amp;Export sheet…</source>
        <translation>导出图纸(&amp;E)…</translation>
    </message>
    <message>
        <location filename="../worksheet_window.cpp" line="193"/>
        <source>&amp;Print sheet…</source>
        <translation>打印图纸(&amp;P)…</translation>
    </message>
    <message>
        <location filename="../worksheet_window.cpp" line="196"/>
        <source>&amp;Quit</source>
        <translation>退出(&amp;Q)</translation>
    </message>
    <message>
        <location filename="../worksheet_window.cpp" line="198"/>
        <source>&amp;Edit</source>
        <translation>编辑(&amp;E)</translation>
    </message>
    <message>
        <location filename="../worksheet_window.cpp" line="199"/>
        <source>&amp;Copy sheet</source>
        <translation>复制图纸(&amp;C)</translation>
    </message>
    <message>
        <location filename="../worksheet_window.cpp" line="250"/>
        <location filename="../worksheet_window.cpp" line="284"/>
        <source>Open model</source>
        <translation>打开模型</translation>
    </message>
    <message>
        <location filename="../worksheet_window.cpp" line="258"/>
        <location filename="../worksheet_window.cpp" line="291"/>
        <source>Export sheet</source>
        <translation>导出图纸</translation>
    </message>
    <message>
        <location filename="../worksheet_window.cpp" line="270"/>
        <source>The sheet is on the clipboard (SVG and PNG).</source>
        <translation>图纸已复制到剪贴板（SVG 和 PNG）。</translation>
    </message>
    <message>
        <location filename="../worksheet_window.cpp" line="285"/>
        <source>Models (*.qrn *.3ds *.QRN *.3DS)</source>
        <translation>模型 (*.qrn *.3ds *.QRN *.3DS)</translation>
    </message>
    <message>
        <location filename="../worksheet_window.cpp" line="292"/>
        <source>SVG (*.svg);;PDF (*.pdf);;PNG (*.png);;TikZ (*.tex)</source>
        <translation>SVG (*.svg);;PDF (*.pdf);;PNG (*.png);;TikZ (*.tex)</translation>
    </message>
    <message>
        <location filename="../worksheet_window.cpp" line="301"/>
        <source>PNG resolution</source>
        <translation>PNG 分辨率</translation>
    </message>
    <message>
        <location filename="../worksheet_window.cpp" line="301"/>
        <source>Dots per inch:</source>
        <translation>每英寸点数：</translation>
    </message>
</context>
</TS>
