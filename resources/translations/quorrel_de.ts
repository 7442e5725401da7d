<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>MethodMenuWords</name>
    <message>
        <source>&amp;Henssge Nomogram…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Brain Nomogram…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Signs of &amp;Death…</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
