<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>frmmainpro</name>
    <message>
        <source>Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Audio Converter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Audio Extractor</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
