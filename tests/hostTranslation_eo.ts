<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="eo">
<!-- A host's own translation of a Qt text, which the module must leave in force. -->
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>Host OK</translation>
    </message>
</context>
</TS>
