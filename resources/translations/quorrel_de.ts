<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>BrainCaseWords</name>
    <message>
        <source>Brain temperature</source>
        <translation>Hirntemperatur</translation>
    </message>
    <message>
        <source>Henssge&apos;s brain nomogram: %1</source>
        <extracomment>%1 is why the estimate cannot be made again from the file.</extracomment>
        <translation>Hirntemperatur-Nomogramm nach Henssge: %1</translation>
    </message>
    <message>
        <source>Room temperature</source>
        <translation>Umgebungstemperatur</translation>
    </message>
    <message>
        <source>Brain temperature when found</source>
        <translation>Hirntemperatur bei Auffindung</translation>
    </message>
    <message>
        <source>%1, in the main window: enter a number of degrees Fahrenheit below the brain temperature.</source>
        <translation>%1 im Hauptfenster: Geben Sie eine Zahl in Grad Fahrenheit unter der Hirntemperatur ein.</translation>
    </message>
    <message>
        <source>%1: enter a number of degrees Fahrenheit above the room temperature, %2.</source>
        <translation>%1: Geben Sie eine Zahl in Grad Fahrenheit über der Umgebungstemperatur und %2 ein.</translation>
    </message>
    <message>
        <source>%1, in the main window, is %2: below absolute zero (%3), which no temperature can be.</source>
        <extracomment>%1 is the main window&apos;s entry as its label names it, %2 its temperature, %3 absolute zero in degrees.</extracomment>
        <translation>%1 im Hauptfenster ist %2: unter dem absoluten Nullpunkt (%3), den keine Temperatur unterschreiten kann.</translation>
    </message>
    <message>
        <source>%1 is %2: below absolute zero (%3), which no temperature can be.</source>
        <extracomment>%1 is the window&apos;s entry (&quot;Brain temperature&quot;), %2 its temperature, %3 absolute zero in degrees.</extracomment>
        <translation>%1 ist %2: unter dem absoluten Nullpunkt (%3), den keine Temperatur unterschreiten kann.</translation>
    </message>
    <message>
        <source>%1 is %2: the method starts from %3. Enter a reading %4.</source>
        <extracomment>%1 is the window&apos;s entry (&quot;Brain temperature&quot;), %2 the reading, %3 the temperature the method starts from, %4 the readings it takes (&quot;from 27.8 °C to 37.2 °C&quot;).</extracomment>
        <translation>%1 ist %2: Die Methode geht von %3 aus. Geben Sie einen Messwert %4 ein.</translation>
    </message>
    <message>
        <source>%1, in the main window, is %2: the method needs a room colder than the brain. Enter a number below %3 (%4).</source>
        <extracomment>%1 is the main window&apos;s room entry as its label names it, %2 the room&apos;s temperature, %3 the brain&apos;s, %4 the window&apos;s entry (&quot;Brain temperature&quot;).</extracomment>
        <translation>%1 im Hauptfenster ist %2: Die Methode braucht eine Umgebung, die kälter ist als das Gehirn. Geben Sie eine Zahl unter %3 ein (%4).</translation>
    </message>
    <message>
        <source>%1, in the main window: enter a number of degrees Celsius below the brain temperature.</source>
        <extracomment>%1 is the main window&apos;s entry as its label names it. %1 is the main window&apos;s entry as its label names it.</extracomment>
        <translation>%1 im Hauptfenster: Geben Sie eine Zahl in Grad Celsius unter der Hirntemperatur ein.</translation>
    </message>
    <message>
        <source>%1: enter a number of degrees Celsius above the room temperature, %2.</source>
        <extracomment>%1 is the window&apos;s entry (&quot;Brain temperature&quot;), %2 the readings the method takes (&quot;from 27.8 °C to 37.2 °C&quot;). %1 is the window&apos;s entry (&quot;Brain temperature&quot;), %2 the readings the method takes (&quot;from 27.8 °C to 37.2 °C&quot;).</extracomment>
        <translation>%1: Geben Sie eine Zahl in Grad Celsius über der Umgebungstemperatur und %2 ein.</translation>
    </message>
</context>
<context>
    <name>BrainWords</name>
    <message>
        <source>%1 to %2</source>
        <extracomment>A range of temperatures: &quot;10 to 25 °C&quot;.</extracomment>
        <translation>%1 bis %2</translation>
    </message>
    <message>
        <source>no %1 limits are published beyond %2</source>
        <extracomment>In brackets after the estimate: &quot;no 95 % limits are published beyond 13.5 h&quot;.</extracomment>
        <translation>jenseits von %2 sind keine %1-Toleranzgrenzen veröffentlicht</translation>
    </message>
    <message>
        <source>The room, %1, is outside the %2 the method was studied in: the estimate and its limits may not hold there.</source>
        <extracomment>%1 the room (&quot;60 °F (15.6 °C)&quot;); %2 the rooms the method was studied in (&quot;10 to 25 °C&quot;).</extracomment>
        <translation>Die Umgebungstemperatur, %1, liegt außerhalb des Bereichs %2, in dem die Methode untersucht wurde: Die Schätzung und ihre Grenzen gelten dort möglicherweise nicht.</translation>
    </message>
    <message>
        <source>%1 up to %2</source>
        <extracomment>A limit and the hours it holds up to: &quot;±1.5 h up to 6.5 h&quot;.</extracomment>
        <translation>%1 (bis %2)</translation>
    </message>
    <message>
        <source>Q = %1; %2, from %3 at death. %4 limits %5; none beyond.</source>
        <extracomment>%1 the value of Q; %2 the formula; %3 the temperature at death; %4 &quot;95 %&quot;; %5 the limits and the hours each holds up to.</extracomment>
        <translation>Q = %1; %2, ausgehend von %3 beim Tod. %4-Toleranzgrenzen %5; darüber hinaus keine.</translation>
    </message>
    <message>
        <source>Read from the main window: found at %1; room %2.</source>
        <extracomment>The time the body was found, then the room&apos;s temperature.</extracomment>
        <translation>Aus dem Hauptfenster gelesen: aufgefunden um %1; Umgebung %2.</translation>
    </message>
    <message>
        <source>brain nomogram</source>
        <extracomment>Names the method in a combination of evidence: &quot;the brain nomogram&apos;s 95 % limit&quot;.</extracomment>
        <translation>Hirntemperatur-Nomogramm</translation>
    </message>
    <message>
        <source>Henssge&apos;s brain nomogram</source>
        <translation>Hirntemperatur-Nomogramm nach Henssge</translation>
    </message>
    <message>
        <source>Brain</source>
        <extracomment>The label at its time of death on the curve: &quot;Brain: died 5:45 PM&quot;.</extracomment>
        <translation>Hirn</translation>
    </message>
    <message>
        <source>dotted line</source>
        <extracomment>How the curve is drawn, named in the curve&apos;s summary.</extracomment>
        <translation>gepunktete Linie</translation>
    </message>
    <message>
        <source>Henssge brain nomogram</source>
        <extracomment>The heading of its section on the case sheet.</extracomment>
        <translation>Hirntemperatur-Nomogramm nach Henssge</translation>
    </message>
    <message>
        <source>Henssge&apos;s brain nomogram took no part: no %1 limits are published beyond %2, so it states no interval to weigh.</source>
        <translation>Das Hirntemperatur-Nomogramm nach Henssge wurde nicht einbezogen: Jenseits von %2 sind keine %1-Toleranzgrenzen veröffentlicht, daher liefert es kein Intervall zum Gewichten.</translation>
    </message>
</context>
<context>
    <name>CaseFileCommandWords</name>
    <message>
        <source>Quorrel cases (%1)</source>
        <extracomment>A file dialog&apos;s filter; %1 is the pattern of the files it shows.</extracomment>
        <translation>Quorrel-Fälle (%1)</translation>
    </message>
    <message>
        <source>Open Case</source>
        <translation>Fall öffnen</translation>
    </message>
    <message>
        <source>All files (%1)</source>
        <extracomment>A file dialog&apos;s filter; %1 is the pattern of the files it shows.</extracomment>
        <translation>Alle Dateien (%1)</translation>
    </message>
    <message>
        <source>Save Case As</source>
        <translation>Fall speichern unter</translation>
    </message>
    <message>
        <source>Case Not Saved</source>
        <translation>Fall nicht gespeichert</translation>
    </message>
    <message>
        <source>A case file needs a name: the name given is blank.</source>
        <translation>Eine Falldatei braucht einen Namen: Der angegebene Name ist leer.</translation>
    </message>
    <message>
        <source>%1 already exists. Replace it?</source>
        <extracomment>%1 is the file&apos;s name.</extracomment>
        <translation>%1 ist bereits vorhanden. Ersetzen?</translation>
    </message>
</context>
<context>
    <name>CaseFileWords</name>
    <message>
        <source>a digit zero</source>
        <extracomment>What a member of the file should be.</extracomment>
        <translation>eine Ziffer Null</translation>
    </message>
    <message>
        <source>the file</source>
        <extracomment>Stands for the file&apos;s name in a reason the system gave.</extracomment>
        <translation>die Datei</translation>
    </message>
    <message>
        <source>could not be read: %1</source>
        <extracomment>Follows the file&apos;s name; %1 is the reason the system gave.</extracomment>
        <translation>konnte nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>a time of day such as &quot;12:00:00 AM&quot;</source>
        <extracomment>What a member of the file should be; the time as the file holds it, in the 12-hour form in every language.</extracomment>
        <translation>eine Uhrzeit wie &quot;12:00:00 AM&quot;</translation>
    </message>
    <message>
        <source>a number or &quot;unbounded&quot;</source>
        <extracomment>What a member of the file should be; &quot;unbounded&quot; is written as is.</extracomment>
        <translation>eine Zahl oder &quot;unbounded&quot;</translation>
    </message>
    <message>
        <source>a list of texts</source>
        <translation>eine Liste von Texten</translation>
    </message>
    <message>
        <source>a list</source>
        <translation>eine Liste</translation>
    </message>
    <message>
        <source>an object</source>
        <translation>ein Objekt</translation>
    </message>
    <message>
        <source>is larger than a case file can be (1 MB)</source>
        <extracomment>Follows the file&apos;s name, as every reason a case file is refused.</extracomment>
        <translation>ist größer, als eine Falldatei sein darf (1 MB)</translation>
    </message>
    <message>
        <source>is not a Quorrel case: it is not JSON (line %1, column %2: %3)</source>
        <extracomment>Follows the file&apos;s name; %3 is the JSON reader&apos;s own reason.</extracomment>
        <translation>ist kein Quorrel-Fall: kein JSON (Zeile %1, Spalte %2: %3)</translation>
    </message>
    <message>
        <source>is not a Quorrel case: it is JSON without %1: %2</source>
        <extracomment>Follows the file&apos;s name; %1 is a member&apos;s name and %2 its value, both as the file writes them.</extracomment>
        <translation>ist kein Quorrel-Fall: JSON ohne %1: %2</translation>
    </message>
    <message>
        <source>a whole number from 1</source>
        <translation>eine ganze Zahl ab 1</translation>
    </message>
    <message>
        <source>a later Quorrel</source>
        <translation>einem neueren Quorrel</translation>
    </message>
    <message>
        <source>was saved by %1 in case format %2; this Quorrel reads case format %3 and earlier. Open it with a later Quorrel</source>
        <extracomment>Follows the file&apos;s name; %1 is the program that saved it (&quot;Quorrel 2.0.0&quot; or &quot;a later Quorrel&quot;), %2 and %3 are format numbers.</extracomment>
        <translation>wurde von %1 im Fallformat %2 gespeichert; dieses Quorrel liest Fallformat %3 und älter. Öffnen Sie die Datei mit einem neueren Quorrel</translation>
    </message>
    <message>
        <source>%1: died %2 when saved, no estimate now.
Saved: “%3”</source>
        <extracomment>%1 is a method&apos;s name, %2 the time of death saved, %3 the sentence saved.</extracomment>
        <translation>%1: beim Speichern Tod um %2, jetzt keine Schätzung.
Gespeichert: „%3“</translation>
    </message>
    <message>
        <source>died %1 when saved, %2 now.</source>
        <translation>beim Speichern Tod um %1, jetzt um %2.</translation>
    </message>
    <message>
        <source>its interval differs from the one saved.</source>
        <translation>das Intervall weicht vom gespeicherten ab.</translation>
    </message>
    <message>
        <source>its hours before discovery differ from those saved.</source>
        <translation>die Stunden vor der Auffindung weichen von den gespeicherten ab.</translation>
    </message>
    <message>
        <source>%1: %2
Saved: “%3”
Now: “%4”</source>
        <extracomment>%1 is a method&apos;s name, %2 what changed, %3 the sentence saved, %4 the one now.</extracomment>
        <translation>%1: %2
Gespeichert: „%3“
Jetzt: „%4“</translation>
    </message>
    <message>
        <source>could not be read: no file name was given</source>
        <extracomment>Follows &quot;The case file&quot;, as every reason a case file is refused.</extracomment>
        <translation>konnte nicht gelesen werden: kein Dateiname angegeben</translation>
    </message>
    <message>
        <source>is a folder, not a case file</source>
        <extracomment>Follows the file&apos;s name, as every reason a case file is refused.</extracomment>
        <translation>ist ein Ordner, keine Falldatei</translation>
    </message>
    <message>
        <source>is a pipe or a device, not a case file</source>
        <translation>ist eine Pipe oder ein Gerät, keine Falldatei</translation>
    </message>
    <message>
        <source>is %1 bytes, larger than a case file can be (1 MB)</source>
        <extracomment>Follows the file&apos;s name; %1 is its size in bytes.</extracomment>
        <translation>ist %1 Byte groß und damit größer, als eine Falldatei sein darf (1 MB)</translation>
    </message>
    <message>
        <source>Shorten the longest entries</source>
        <translation>Kürzen Sie die längsten Eingaben</translation>
    </message>
    <message>
        <source>%1 bytes of it are what another version of Quorrel or another program put in the file, which this Quorrel keeps as they came</source>
        <translation>%1 Byte davon stammen von einer anderen Quorrel-Version oder einem anderen Programm; dieses Quorrel bewahrt sie unverändert</translation>
    </message>
    <message>
        <source>it would be %1 bytes, larger than a case file can be (1 MB), and no Quorrel could open it again. %2</source>
        <extracomment>Why a case could not be saved, after &quot;could not be saved as &lt;file&gt;:&quot;; %1 is its size in bytes, %2 a sentence on what to do, without its full stop.</extracomment>
        <translation>die Datei wäre %1 Byte groß und damit größer, als eine Falldatei sein darf (1 MB), und kein Quorrel könnte sie wieder öffnen. %2</translation>
    </message>
    <message>
        <source>&quot;F&quot; or &quot;C&quot;</source>
        <extracomment>What a member of the file should be; &quot;F&quot; and &quot;C&quot; are written as is.</extracomment>
        <translation>„F“ oder „C“</translation>
    </message>
</context>
<context>
    <name>CaseSheetWords</name>
    <message>
        <source>Time of death estimate</source>
        <translation>Schätzung des Todeszeitpunkts</translation>
    </message>
    <message>
        <source>%1, %2 %3</source>
        <extracomment>When the sheet was made: %1 is the date, %2 the time of day, %3 the offset from UTC (&quot;UTC+02:00&quot;).</extracomment>
        <translation>%1, %2 %3</translation>
    </message>
    <message>
        <source>Case:</source>
        <extracomment>Blanks to fill in by hand at the sheet&apos;s end.</extracomment>
        <translation>Fall:</translation>
    </message>
    <message>
        <source>Examined by:</source>
        <translation>Untersucht von:</translation>
    </message>
    <message>
        <source>Signature:</source>
        <translation>Unterschrift:</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Seite %1 von %2</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>A moment: %1 is a time of day, %2 its day (&quot;the day before discovery&quot;).</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>This time of death, %1, lies outside the combined interval, %2 to %3.</source>
        <extracomment>%1 is a time of death, %2 and %3 the ends of the interval, each a moment with its day.</extracomment>
        <translation>Dieser Todeszeitpunkt, %1, liegt außerhalb des kombinierten Intervalls, %2 bis %3.</translation>
    </message>
    <message>
        <source>%1, sheet made %2</source>
        <extracomment>%1 is the program and its version (&quot;Quorrel 1.0.0&quot;), %2 when the sheet was made.</extracomment>
        <translation>%1, Fallblatt erstellt am %2</translation>
    </message>
    <message>
        <source>Time the body was found:</source>
        <translation>Auffindezeit des Leichnams:</translation>
    </message>
    <message>
        <source>Entries</source>
        <extracomment>The heading over what was typed.</extracomment>
        <translation>Eingaben</translation>
    </message>
</context>
<context>
    <name>CurveLayoutWords</name>
    <message>
        <source>%1 d before</source>
        <extracomment>A mark of the time axis: %1 days before the day found.</extracomment>
        <translation>%1 d vorher</translation>
    </message>
    <message>
        <source>day found</source>
        <extracomment>A mark of the time axis: the day the body was found.</extracomment>
        <translation>Auffindetag</translation>
    </message>
    <message>
        <source>%1 d after</source>
        <translation>%1 d danach</translation>
    </message>
    <message>
        <source>room %1</source>
        <extracomment>Beside the room&apos;s line on the curve; %1 is its temperature.</extracomment>
        <translation>Umgebung %1</translation>
    </message>
    <message>
        <source>midnight</source>
        <extracomment>Over a line of the curve at midnight.</extracomment>
        <translation>Mitternacht</translation>
    </message>
</context>
<context>
    <name>CurveWords</name>
    <message>
        <source>%1 at %2</source>
        <extracomment>A reading: its temperature, then its time (&quot;75 °F at 2:00:00 AM&quot;).</extracomment>
        <translation>%1 um %2</translation>
    </message>
    <message>
        <source>Calculate an estimate to see its curve.</source>
        <translation>Berechnen Sie eine Schätzung, um ihre Kurve zu sehen.</translation>
    </message>
    <message>
        <source>Room %1.</source>
        <extracomment>The room&apos;s temperature, a sentence of its own after the curves&apos;.</extracomment>
        <translation>Umgebung %1.</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>A point of the curve: its time, then its temperature (&quot;7:40:44 PM, 95.3 °F&quot;).</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>A curve&apos;s name and its temperature at a time: &quot;Henssge&apos;s nomogram 95.3 °F&quot;.</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A time, then each curve&apos;s temperature at it (&quot;7:40:44 PM: Newton&apos;s law of cooling 95.3 °F, Henssge&apos;s nomogram 94.1 °F&quot;).</extracomment>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>FileMemberWords</name>
    <message>
        <source>true or false</source>
        <translation>true oder false</translation>
    </message>
    <message>
        <source>a number</source>
        <translation>eine Zahl</translation>
    </message>
    <message>
        <source>text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>a list</source>
        <translation>eine Liste</translation>
    </message>
    <message>
        <source>an object</source>
        <translation>ein Objekt</translation>
    </message>
    <message>
        <source>missing</source>
        <translation>nicht vorhanden</translation>
    </message>
    <message>
        <source>at most %1 characters long, as a box holds</source>
        <extracomment>What a member of the file should be; %1 is a number.</extracomment>
        <translation>ein Text mit höchstens %1 Zeichen (so viel fasst ein Eingabefeld)</translation>
    </message>
    <message>
        <source>text without control characters</source>
        <translation>Text ohne Steuerzeichen</translation>
    </message>
    <message>
        <source>a whole number from %1 to %2</source>
        <translation>eine ganze Zahl von %1 bis %2</translation>
    </message>
    <message>
        <source>is not a case this Quorrel can read: %1&quot;%2&quot; should be %3, but it is %4</source>
        <extracomment>Follows the file&apos;s name. %1 is the way to the member, each name quoted and followed by &quot; › &quot;, or nothing; %2 the member&apos;s name as the file writes it; %3 what it should be (&quot;a number&quot;); %4 what it is (&quot;text&quot;).</extracomment>
        <translation>ist kein Fall, den dieses Quorrel lesen kann: %1&quot;%2&quot; sollte %3 sein, ist aber %4</translation>
    </message>
    <message>
        <source>is not a case this Quorrel can read: %1&quot;%2&quot; should be %3</source>
        <extracomment>Follows the file&apos;s name. %1 is the way to the member, each name quoted and followed by &quot; › &quot;, or nothing; %2 the member&apos;s name as the file writes it; %3 what it should be (&quot;a number&quot;).</extracomment>
        <translation>ist kein Fall, den dieses Quorrel lesen kann: %1&quot;%2&quot; sollte %3 sein</translation>
    </message>
</context>
<context>
    <name>HenssgeCaseWords</name>
    <message>
        <source>%1 to %2 kg</source>
        <extracomment>A range of masses: &quot;50 to 150 kg&quot;.</extracomment>
        <translation>%1 bis %2 kg</translation>
    </message>
    <message>
        <source>%1 to %2 lb (%3)</source>
        <extracomment>A range of masses in pounds, then the same in kilograms: &quot;110.24 to 330.69 lb (50 to 150 kg)&quot;.</extracomment>
        <translation>%1 bis %2 lb (%3)</translation>
    </message>
    <message>
        <source>Decimals are written with “%1” here, as in %2.</source>
        <extracomment>Follows a refusal; %1 is the locale&apos;s decimal sign, %2 a number written with it.</extracomment>
        <translation>Dezimalzahlen werden hier mit „%1“ geschrieben, wie in %2.</translation>
    </message>
    <message>
        <source>Written out in plain digits, this one would be longer than the %1 characters a box holds.</source>
        <extracomment>Follows a refusal of a ±; %1 is a number of characters.</extracomment>
        <translation>In Ziffern ausgeschrieben wäre diese Zahl länger als die %1 Zeichen, die ein Feld fasst.</translation>
    </message>
    <message>
        <source>%1, in the main window: enter a number of degrees Fahrenheit below the body temperature.</source>
        <translation>%1 im Hauptfenster: Geben Sie eine Gradzahl in Fahrenheit unter der Körpertemperatur ein.</translation>
    </message>
    <message>
        <source>%1, in the main window: enter a number of degrees Fahrenheit above the room temperature, %2.</source>
        <translation>%1 im Hauptfenster: Geben Sie eine Gradzahl in Fahrenheit über der Umgebungstemperatur und %2 ein.</translation>
    </message>
    <message>
        <source>%1, in the main window, is %2: below absolute zero (%3), which no temperature can be.</source>
        <extracomment>%1 is the main window&apos;s entry as its label names it, %2 its temperature, %3 absolute zero in degrees.</extracomment>
        <translation>%1 im Hauptfenster ist %2: unter dem absoluten Nullpunkt (%3), den keine Temperatur unterschreiten kann.</translation>
    </message>
    <message>
        <source>%1, in the main window, is %2: the method starts from %3. Enter a reading %4.</source>
        <extracomment>%1 is the main window&apos;s entry as its label names it, %2 the reading, %3 the temperature the method starts from, %4 the readings it takes (&quot;from 27.8 °C to 37.2 °C&quot;).</extracomment>
        <translation>%1 im Hauptfenster ist %2: Die Methode beginnt bei %3. Geben Sie einen Messwert %4 ein.</translation>
    </message>
    <message>
        <source>%1, in the main window, is %2: the method needs a room colder than the body. Enter a number below %3 (%4).</source>
        <extracomment>%1 is the main window&apos;s room entry as its label names it, %2 the room&apos;s temperature, %3 the body&apos;s, %4 the body&apos;s entry as its label names it.</extracomment>
        <translation>%1 im Hauptfenster ist %2: Die Methode setzt eine Umgebung voraus, die kälter als der Leichnam ist. Geben Sie eine Zahl unter %3 (%4) ein.</translation>
    </message>
    <message>
        <source>Room temperature</source>
        <translation>Umgebungstemperatur</translation>
    </message>
    <message>
        <source>Body temperature when found</source>
        <translation>Körpertemperatur bei Auffindung</translation>
    </message>
    <message>
        <source>Body mass</source>
        <translation>Körpergewicht</translation>
    </message>
    <message>
        <source>Condition</source>
        <translation>Bedingung</translation>
    </message>
    <message>
        <source>Corrective factor</source>
        <translation>Korrekturfaktor</translation>
    </message>
    <message>
        <source>(for this body&apos;s mass)</source>
        <extracomment>Written after the corrective factor where it was given for this body.</extracomment>
        <translation>(für dieses Körpergewicht)</translation>
    </message>
    <message>
        <source>Room temperature uncertain by</source>
        <extracomment>Each followed by the ± typed and its unit.</extracomment>
        <translation>Unsicherheit der Umgebungstemperatur</translation>
    </message>
    <message>
        <source>Body mass uncertain by</source>
        <translation>Unsicherheit des Körpergewichts</translation>
    </message>
    <message>
        <source>Corrective factor uncertain by</source>
        <translation>Unsicherheit des Korrekturfaktors</translation>
    </message>
    <message>
        <source>Body mass: enter a number from %1.</source>
        <extracomment>%1 is a range of masses (&quot;50 to 150 kg&quot;).</extracomment>
        <translation>Körpergewicht: Geben Sie eine Zahl von %1 ein.</translation>
    </message>
    <message>
        <source>Corrective factor: enter a number from %1 to %2.</source>
        <translation>Korrekturfaktor: Geben Sie eine Zahl von %1 bis %2 ein.</translation>
    </message>
    <message>
        <source>Room temperature uncertain by ±: enter a number of degrees Fahrenheit from 0 to %1, the room&apos;s own, or leave it empty.</source>
        <extracomment>%1 is the room temperature typed, without its sign.</extracomment>
        <translation>Unsicherheit der Umgebungstemperatur (±): Geben Sie eine Gradzahl in Fahrenheit von 0 bis %1 (die Umgebungstemperatur selbst) ein, oder lassen Sie das Feld leer.</translation>
    </message>
    <message>
        <source>Body mass uncertain by ±: enter a number of pounds from 0 to the mass itself, or leave it empty.</source>
        <translation>Unsicherheit des Körpergewichts (±): Geben Sie eine Zahl in Pfund von 0 bis zum Körpergewicht selbst ein, oder lassen Sie das Feld leer.</translation>
    </message>
    <message>
        <source>Body mass uncertain by ±: enter a number of kilograms from 0 to the mass itself, or leave it empty.</source>
        <translation>Unsicherheit des Körpergewichts (±): Geben Sie eine Zahl in Kilogramm von 0 bis zum Körpergewicht selbst ein, oder lassen Sie das Feld leer.</translation>
    </message>
    <message>
        <source>Corrective factor uncertain by ±: enter a number from 0 to the factor itself, or leave it empty.</source>
        <translation>Unsicherheit des Korrekturfaktors (±): Geben Sie eine Zahl von 0 bis zum Faktor selbst ein, oder lassen Sie das Feld leer.</translation>
    </message>
    <message>
        <source>Room temperature uncertain by ±: the room&apos;s range reaches the body&apos;s %1. Enter a smaller uncertainty.</source>
        <extracomment>%1 is the body&apos;s temperature.</extracomment>
        <translation>Unsicherheit der Umgebungstemperatur (±): Der Bereich der Umgebungstemperatur reicht bis an die Körpertemperatur von %1. Geben Sie eine kleinere Unsicherheit ein.</translation>
    </message>
    <message>
        <source>Room temperature uncertain by ±: enter a number of degrees Celsius from 0 to %1, or leave it empty.</source>
        <extracomment>%1 is the room temperature typed in °C, without its sign.</extracomment>
        <translation>Unsicherheit der Umgebungstemperatur (±): Geben Sie eine Gradzahl in Celsius von 0 bis %1 ein, oder lassen Sie das Feld leer.</translation>
    </message>
    <message>
        <source>%1, in the main window: enter a number of degrees Celsius below the body temperature.</source>
        <extracomment>%1 is the main window&apos;s entry as its label names it. %1 is the main window&apos;s entry as its label names it.</extracomment>
        <translation>%1 im Hauptfenster: Geben Sie eine Gradzahl in Celsius unter der Körpertemperatur ein.</translation>
    </message>
    <message>
        <source>%1, in the main window: enter a number of degrees Celsius above the room temperature, %2.</source>
        <extracomment>%1 is the main window&apos;s entry as its label names it; %2 the readings the method takes (&quot;from 27.8 °C to 37.2 °C&quot;). %1 is the main window&apos;s entry as its label names it; %2 the readings the method takes (&quot;from 27.8 °C to 37.2 °C&quot;).</extracomment>
        <translation>%1 im Hauptfenster: Geben Sie eine Gradzahl in Celsius über der Umgebungstemperatur und %2 ein.</translation>
    </message>
</context>
<context>
    <name>HenssgeFileWords</name>
    <message>
        <source>&quot;kg&quot; or &quot;lb&quot;</source>
        <extracomment>What a member of the file should be; &quot;kg&quot; and &quot;lb&quot; are written as the file holds them.</extracomment>
        <translation>„kg“ oder „lb“</translation>
    </message>
    <message>
        <source>Henssge&apos;s nomogram: %1</source>
        <extracomment>%1 is why the estimate cannot be made again from the file.</extracomment>
        <translation>Henssge-Nomogramm: %1</translation>
    </message>
    <message>
        <source>Room temperature uncertain by ±</source>
        <extracomment>Names the ± in a list of values converted to the other unit.</extracomment>
        <translation>Unsicherheit der Umgebungstemperatur (±)</translation>
    </message>
</context>
<context>
    <name>HenssgeWords</name>
    <message>
        <source>%1 limits</source>
        <extracomment>%1 is &quot;95 %&quot;.</extracomment>
        <translation>%1-Toleranzgrenzen</translation>
    </message>
    <message>
        <source>%1 limits %2</source>
        <extracomment>%1 is &quot;95 %&quot;; %2 the limit: &quot;±2.8 h&quot;.</extracomment>
        <translation>%1-Toleranzgrenzen %2</translation>
    </message>
    <message>
        <source>no %1 limits</source>
        <extracomment>%1 is &quot;95 %&quot;.</extracomment>
        <translation>keine %1-Toleranzgrenzen</translation>
    </message>
    <message>
        <source>%5 %1: the band %2 ≥ Q &gt; %3, %4.</source>
        <extracomment>%5 &quot;95 % limits&quot;, %1 the limit (&quot;±2.8 h&quot;), %2 and %3 the band&apos;s bounds, %4 which factors (&quot;with any factor&quot;).</extracomment>
        <translation>%5 %1: Bereich %2 ≥ Q &gt; %3, %4.</translation>
    </message>
    <message>
        <source>with any factor</source>
        <translation>bei jedem Faktor</translation>
    </message>
    <message>
        <source>with factor %1</source>
        <translation>bei Faktor %1</translation>
    </message>
    <message>
        <source>with a factor other than %1</source>
        <translation>bei einem Faktor ungleich %1</translation>
    </message>
    <message>
        <source>No %2: none are published for Q ≤ %1.</source>
        <extracomment>%2 &quot;95 % limits&quot;.</extracomment>
        <translation>Keine %2: Für Q ≤ %1 sind keine veröffentlicht.</translation>
    </message>
    <message>
        <source>No %3: above %1 they are published only for Q &gt; %2.</source>
        <extracomment>%3 &quot;95 % limits&quot;; %1 a room temperature (&quot;23.2 °C&quot;).</extracomment>
        <translation>Keine %3: Oberhalb von %1 sind sie nur für Q &gt; %2 veröffentlicht.</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>A time of day and its day: &quot;9:40 AM, the day before&quot;.
----------
A line of evidence begins: &quot;Henssge&apos;s nomogram, 95 % limits ±2.8 h&quot;.</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%5, %6: from %1 at about %2 (%3) to %4, when the body was found.</source>
        <extracomment>%5 the method (&quot;Henssge&apos;s nomogram&quot;), %6 how its curve is drawn (&quot;dashed line&quot;), %1 the temperature at death, %2 the time of death, %3 its limits, %4 the reading.</extracomment>
        <translation>%5, %6: von %1 gegen %2 (%3) bis %4 bei der Auffindung.</translation>
    </message>
    <message>
        <source>(cut to %1 to %2, what the nomogram accepts)</source>
        <translation>(begrenzt auf %1 bis %2, den Bereich des Nomogramms)</translation>
    </message>
    <message>
        <source>(cut at %1, the least the nomogram accepts)</source>
        <translation>(begrenzt auf %1, das Minimum des Nomogramms)</translation>
    </message>
    <message>
        <source>(cut at %1, the most the nomogram accepts)</source>
        <translation>(begrenzt auf %1, das Maximum des Nomogramms)</translation>
    </message>
    <message>
        <source>With the room at %1%2, the mass at %3%4 and the factor at %5%6</source>
        <extracomment>%1, %3 and %5 the room, mass and factor with their ± (&quot;60 ± 1.8 °F&quot;); %2, %4 and %6 say where a range was cut, each beginning with a space, or are empty.</extracomment>
        <translation>Bei einer Umgebungstemperatur von %1%2, einem Körpergewicht von %3%4 und einem Korrekturfaktor von %5%6</translation>
    </message>
    <message>
        <source>(cut at absolute zero, %1)</source>
        <translation>(begrenzt auf den absoluten Nullpunkt, %1)</translation>
    </message>
    <message>
        <source>%3: died %1 (%2)</source>
        <extracomment>The label at the time of death on the curve: &quot;Henssge: died 9:40 AM (±2.8 h)&quot;.</extracomment>
        <translation>%3: Tod um %1 (%2)</translation>
    </message>
    <message>
        <source>the %1&apos;s %2 limit</source>
        <extracomment>What set an end of the combined interval: &quot;the nomogram&apos;s 95 % limit&quot;.</extracomment>
        <translation>%2-Toleranzgrenze laut %1</translation>
    </message>
    <message>
        <source>Henssge&apos;s nomogram</source>
        <translation>Henssge-Nomogramm</translation>
    </message>
    <message>
        <source>Henssge</source>
        <extracomment>The label at its time of death on the curve: &quot;Henssge: died 9:40 AM&quot;.</extracomment>
        <translation>Henssge</translation>
    </message>
    <message>
        <source>dashed line</source>
        <extracomment>How the curve is drawn, named in the curve&apos;s summary.</extracomment>
        <translation>gestrichelte Linie</translation>
    </message>
    <message>
        <source>Henssge nomogram</source>
        <extracomment>The heading of its section on the case sheet.</extracomment>
        <translation>Henssge-Nomogramm</translation>
    </message>
    <message>
        <source>nomogram</source>
        <extracomment>Names the method in a combination of evidence: &quot;the nomogram&apos;s 95 % limit&quot;.</extracomment>
        <translation>Nomogramm</translation>
    </message>
    <message>
        <source>rectal nomogram</source>
        <extracomment>As &quot;nomogram&quot;, where the brain nomogram is weighed too.</extracomment>
        <translation>Rektaltemperatur-Nomogramm</translation>
    </message>
    <message>
        <source>Henssge&apos;s nomogram took no part: no %1 limits are published for its estimate, so it states no interval to weigh.</source>
        <translation>Das Henssge-Nomogramm ist nicht eingeflossen: Für seine Schätzung sind keine %1-Toleranzgrenzen veröffentlicht, daher gibt es kein Intervall zum Abwägen an.</translation>
    </message>
    <message>
        <source>the nomogram&apos;s prudent limit</source>
        <translation>vorsichtige Grenze laut Nomogramm</translation>
    </message>
    <message>
        <source>the rectal nomogram&apos;s prudent limit</source>
        <translation>vorsichtige Grenze laut Rektaltemperatur-Nomogramm</translation>
    </message>
    <message>
        <source>Henssge&apos;s nomogram, prudent interval over the uncertain entries</source>
        <translation>Henssge-Nomogramm, vorsichtiges Intervall über die unsicheren Eingaben</translation>
    </message>
    <message>
        <source>Dry, naked, moving air</source>
        <translation>Trocken, unbekleidet, bewegte Luft</translation>
    </message>
    <message>
        <source>Dry, 1–2 thin layers, moving air</source>
        <translation>Trocken, 1–2 dünne Lagen, bewegte Luft</translation>
    </message>
    <message>
        <source>Dry, naked, still air</source>
        <translation>Trocken, unbekleidet, ruhende Luft</translation>
    </message>
    <message>
        <source>Dry, 1–2 thin layers, still air</source>
        <translation>Trocken, 1–2 dünne Lagen, ruhende Luft</translation>
    </message>
    <message>
        <source>Dry, 2–3 thin layers</source>
        <translation>Trocken, 2–3 dünne Lagen</translation>
    </message>
    <message>
        <source>Dry, 1–2 thicker layers</source>
        <translation>Trocken, 1–2 dickere Lagen</translation>
    </message>
    <message>
        <source>Dry, 3–4 thin layers</source>
        <translation>Trocken, 3–4 dünne Lagen</translation>
    </message>
    <message>
        <source>Dry, more thin or thick layers</source>
        <translation>Trocken, mehr dünne oder dicke Lagen</translation>
    </message>
    <message>
        <source>Dry, thick bedspread and clothing</source>
        <translation>Trocken, dicke Bettdecke und Kleidung</translation>
    </message>
    <message>
        <source>Dry, excessive covering</source>
        <translation>Trocken, sehr starke Bedeckung</translation>
    </message>
    <message>
        <source>Wet, naked, flowing water</source>
        <translation>Nass, unbekleidet, fließendes Wasser</translation>
    </message>
    <message>
        <source>Wet, naked, still water</source>
        <translation>Nass, unbekleidet, stehendes Wasser</translation>
    </message>
    <message>
        <source>Wet, naked, moving air</source>
        <translation>Nass, unbekleidet, bewegte Luft</translation>
    </message>
    <message>
        <source>Wet, 1–2 thin layers, moving air</source>
        <translation>Nass, 1–2 dünne Lagen, bewegte Luft</translation>
    </message>
    <message>
        <source>Wet, 2 or more thick layers, moving air</source>
        <translation>Nass, 2 oder mehr dicke Lagen, bewegte Luft</translation>
    </message>
    <message>
        <source>Wet, 2 thicker layers, still air</source>
        <translation>Nass, 2 dickere Lagen, ruhende Luft</translation>
    </message>
    <message>
        <source>Wet, more than 2 layers, still air</source>
        <translation>Nass, mehr als 2 Lagen, ruhende Luft</translation>
    </message>
    <message>
        <source>Other…</source>
        <extracomment>The last row of the list of conditions, for a factor of the user&apos;s own.</extracomment>
        <translation>Andere…</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <extracomment>A range of corrective factors: &quot;1.4 to 1.8&quot;.</extracomment>
        <translation>%1 bis %2</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A condition of the body and its corrective factor: &quot;Dry, naked, still air: 1.0&quot;.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>the method gives no %1 limits here</source>
        <extracomment>In brackets after the estimate; %1 is &quot;95 %&quot;.</extracomment>
        <translation>die Methode gibt hier keine %1-Toleranzgrenzen an</translation>
    </message>
    <message>
        <source>At the time of the reading</source>
        <extracomment>The estimate, beginning a sentence.</extracomment>
        <translation>Zum Zeitpunkt der Messung</translation>
    </message>
    <message>
        <source>About %1 before the body was found</source>
        <translation>Etwa %1 vor der Auffindung</translation>
    </message>
    <message>
        <source>%1 (%2): died most likely about %3 %4.</source>
        <extracomment>%1 &quot;About 14 h 20 min before the body was found&quot;; %2 why there are no limits; %3 the most likely time of death; %4 its day (&quot;the day before discovery&quot;).</extracomment>
        <translation>%1 (%2): Tod am wahrscheinlichsten gegen %3 %4.</translation>
    </message>
    <message>
        <source>%1 (%2 limits %3): died between %4 and %5 %6, most likely about %7.</source>
        <extracomment>%1 &quot;About 14 h 20 min before the body was found&quot;; %2 &quot;95 %&quot;; %3 the limit (&quot;±2.8 h&quot;); %4 and %5 the earliest and latest time of death, %6 their day; %7 the most likely time.</extracomment>
        <translation>%1 (%2-Toleranzgrenzen %3): Tod zwischen %4 und %5 %6, am wahrscheinlichsten gegen %7.</translation>
    </message>
    <message>
        <source>%1 (%2 limits %3): died between %4 and %5, most likely about %6.</source>
        <extracomment>As the sentence before it, each time with its day.</extracomment>
        <translation>%1 (%2-Toleranzgrenzen %3): Tod zwischen %4 und %5, am wahrscheinlichsten gegen %6.</translation>
    </message>
    <message>
        <source>%1, the method publishes no %2 limits anywhere in these ranges: no prudent interval can be given.</source>
        <extracomment>%1 &quot;With the room at 60 ± 1.8 °F, the mass at … and the factor at …&quot;; %2 &quot;95 %&quot;.</extracomment>
        <translation>%1 veröffentlicht die Methode in diesen Bereichen nirgends %2-Toleranzgrenzen: Es kann kein vorsichtiges Intervall angegeben werden.</translation>
    </message>
    <message>
        <source>%1, part of these ranges lies beyond the nomogram, where the body would not cool: the prudent interval has no earliest end. Died no later than %2 before the body was found, %3.</source>
        <extracomment>%1 the ranges, as above; %2 a span (&quot;8 h 26 min&quot;); %3 the latest time of death with its day (&quot;3:34 PM the day before discovery&quot;).</extracomment>
        <translation>%1 liegt ein Teil dieser Bereiche außerhalb des Nomogramms, wo der Leichnam nicht abkühlen würde: Das vorsichtige Intervall hat kein frühestes Ende. Tod spätestens %2 vor der Auffindung, um %3.</translation>
    </message>
    <message>
        <source>%1 and %2 %3</source>
        <extracomment>Two times of death and their day: &quot;2:19 AM and 3:34 PM the day before discovery&quot;.</extracomment>
        <translation>%1 und %2 %3</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <extracomment>Two times of death, each with its day.</extracomment>
        <translation>%1 und %2</translation>
    </message>
    <message>
        <source>%1, the prudent interval is %2 to %3 before the body was found: died between %4.</source>
        <extracomment>%1 the ranges, as above; %2 and %3 the interval&apos;s ends as spans before discovery (&quot;8 h 26 min&quot;); %4 the two times of death.</extracomment>
        <translation>%1 beträgt das vorsichtige Intervall %2 bis %3 vor der Auffindung: Tod zwischen %4.</translation>
    </message>
    <message>
        <source>Part of the range has no published %1 limits: there the estimate itself was taken as both.</source>
        <extracomment>%1 &quot;95 %&quot;.</extracomment>
        <translation>Für einen Teil des Bereichs sind keine %1-Toleranzgrenzen veröffentlicht: Dort wurde die Schätzung selbst als beide Grenzen genommen.</translation>
    </message>
    <message>
        <source>Q = %1; room above %2, so %3.</source>
        <extracomment>%1 the value of Q; %2 a room temperature (&quot;23.2 °C&quot;); %3 the formula.</extracomment>
        <translation>Q = %1; Umgebungstemperatur über %2, daher %3.</translation>
    </message>
    <message>
        <source>Q = %1; room up to %2, so %3.</source>
        <translation>Q = %1; Umgebungstemperatur bis %2, daher %3.</translation>
    </message>
    <message>
        <source>Factor %1 chosen for %4 kg, used as %2 for %3.</source>
        <extracomment>%1 the factor chosen for a body of %4 kg; %2 the factor used for this body&apos;s mass %3.</extracomment>
        <translation>Faktor %1 gewählt für %4 kg, für %3 verwendet als %2.</translation>
    </message>
    <message>
        <source>With %1 as chosen the estimate would be %2.</source>
        <extracomment>%1 the factor chosen; %2 a span (&quot;14 h 20 min&quot;).</extracomment>
        <translation>Mit dem gewählten Faktor %1 ergäbe die Schätzung %2.</translation>
    </message>
    <message>
        <source>Factor %1 as given, already for this body&apos;s mass.</source>
        <translation>Faktor %1 wie angegeben, bereits für dieses Körpergewicht.</translation>
    </message>
    <message>
        <source>Factor %1 as chosen: below %2 it is used for any mass.</source>
        <translation>Faktor %1 wie gewählt: Unter %2 gilt er für jedes Körpergewicht.</translation>
    </message>
    <message>
        <source>Factor %1 as chosen, for a body of %2 kg.</source>
        <translation>Faktor %1 wie gewählt, für %2 kg Körpergewicht.</translation>
    </message>
    <message>
        <source>The second reading, at %1, comes before the death the method gives: the method cannot check it.</source>
        <translation>Die zweite Messung um %1 liegt vor dem Tod, den die Methode ergibt: Die Methode kann sie nicht prüfen.</translation>
    </message>
    <message>
        <source>At %1 the method expects %2; %3 was measured</source>
        <extracomment>%1 the time of the second reading; %2 the temperature the method expects; %3 the one measured.</extracomment>
        <translation>Um %1 erwartet die Methode %2; gemessen wurden %3</translation>
    </message>
    <message>
        <source>At %1 the method expects %2; %3 was measured, %4 lower</source>
        <extracomment>As above; %4 how far apart the two temperatures are.</extracomment>
        <translation>Um %1 erwartet die Methode %2; gemessen wurden %3, %4 weniger</translation>
    </message>
    <message>
        <source>At %1 the method expects %2; %3 was measured, %4 higher</source>
        <translation>Um %1 erwartet die Methode %2; gemessen wurden %3, %4 mehr</translation>
    </message>
    <message>
        <source>%1: within the %2 a thermometer&apos;s error allows.</source>
        <extracomment>%1 what was expected and measured, as above; %2 a thermometer&apos;s error (&quot;0.2 °F&quot;).</extracomment>
        <translation>%1: innerhalb der %2, die der Fehler eines Thermometers zulässt.</translation>
    </message>
    <message>
        <source>%1: more than the %2 a thermometer&apos;s error allows; the body cooled faster than the method expects for %3 with factor %4.</source>
        <extracomment>%1 and %2 as above; %3 the body&apos;s mass (&quot;70 kg&quot;); %4 the factor used.</extracomment>
        <translation>%1: mehr als die %2, die der Fehler eines Thermometers zulässt; der Leichnam kühlte schneller ab, als die Methode für %3 mit Faktor %4 erwartet.</translation>
    </message>
    <message>
        <source>%1: more than the %2 a thermometer&apos;s error allows; the body cooled more slowly than the method expects for %3 with factor %4.</source>
        <translation>%1: mehr als die %2, die der Fehler eines Thermometers zulässt; der Leichnam kühlte langsamer ab, als die Methode für %3 mit Faktor %4 erwartet.</translation>
    </message>
    <message>
        <source>up to %1 (%2)</source>
        <extracomment>The readings Henssge&apos;s nomograms take: &quot;up to 98.96 °F (37.2 °C)&quot;; the case&apos;s unit first.</extracomment>
        <translation>bis %1 (%2)</translation>
    </message>
    <message>
        <source>Read from the main window: found at %1; room %2; body %3.</source>
        <extracomment>The time the body was found, then the room&apos;s and the body&apos;s temperatures.</extracomment>
        <translation>Aus dem Hauptfenster gelesen: aufgefunden um %1; Umgebungstemperatur %2; Körpertemperatur %3.</translation>
    </message>
</context>
<context>
    <name>KitMessageWords</name>
    <message>
        <source>Unsaved Changes</source>
        <translation>Ungespeicherte Änderungen</translation>
    </message>
    <message>
        <source>This case holds estimates that are not saved. Save it?</source>
        <translation>Dieser Fall enthält Schätzungen, die nicht gespeichert sind. Fall speichern?</translation>
    </message>
    <message>
        <source>The case in %1 has changes that are not saved. Save them?</source>
        <translation>Der Fall in %1 hat Änderungen, die nicht gespeichert sind. Änderungen speichern?</translation>
    </message>
    <message>
        <source>&amp;Replace</source>
        <translation>&amp;Ersetzen</translation>
    </message>
</context>
<context>
    <name>KitWidgetWords</name>
    <message>
        <source>Quorrel Estimator - Halbrook</source>
        <extracomment>The main window&apos;s caption; &quot; - Halbrook&quot; stays as it is.</extracomment>
        <translation>Quorrel-Schätzer - Halbrook</translation>
    </message>
</context>
<context>
    <name>MethodMenuWords</name>
    <message>
        <source>&amp;Henssge Nomogram…</source>
        <translation>&amp;Henssge-Nomogramm…</translation>
    </message>
    <message>
        <source>&amp;Brain Nomogram…</source>
        <translation>H&amp;irntemperatur-Nomogramm…</translation>
    </message>
    <message>
        <source>Signs of &amp;Death…</source>
        <translation>&amp;Leichenerscheinungen…</translation>
    </message>
</context>
<context>
    <name>NewtonWords</name>
    <message>
        <source>each reading off by %1 could move this by more than the whole time before the body was found</source>
        <extracomment>%1 is a thermometer&apos;s resolution: &quot;0.1 °F&quot;.</extracomment>
        <translation>weicht jede Messung um %1 ab, könnte sich dies um mehr als die ganze Zeit bis zur Auffindung des Leichnams verschieben</translation>
    </message>
    <message>
        <source>each reading off by %1 moves this by less than a minute</source>
        <translation>weicht jede Messung um %1 ab, verschiebt sich dies um weniger als eine Minute</translation>
    </message>
    <message>
        <source>each reading off by %1 moves this by up to %2 min</source>
        <translation>weicht jede Messung um %1 ab, verschiebt sich dies um bis zu %2 min</translation>
    </message>
    <message>
        <source>each reading off by %1 moves this by up to %2 h</source>
        <translation>weicht jede Messung um %1 ab, verschiebt sich dies um bis zu %2 h</translation>
    </message>
    <message numerus="yes">
        <source>each reading off by %1 moves this by up to %2 days</source>
        <translation>
            <numerusform>weicht jede Messung um %1 ab, verschiebt sich dies um bis zu %2 Tag</numerusform>
            <numerusform>weicht jede Messung um %1 ab, verschiebt sich dies um bis zu %2 Tage</numerusform>
        </translation>
    </message>
    <message>
        <source>Doubtful: the room temperature is below absolute zero (%1), which no temperature can be</source>
        <translation>Zweifelhaft: Die Umgebungstemperatur liegt unter dem absoluten Nullpunkt (%1), den keine Temperatur unterschreiten kann</translation>
    </message>
    <message>
        <source>Doubtful: the first reading is below absolute zero (%1), which no temperature can be</source>
        <translation>Zweifelhaft: Die erste Messung liegt unter dem absoluten Nullpunkt (%1), den keine Temperatur unterschreiten kann</translation>
    </message>
    <message>
        <source>Doubtful: the second reading is below absolute zero (%1), which no temperature can be</source>
        <translation>Zweifelhaft: Die zweite Messung liegt unter dem absoluten Nullpunkt (%1), den keine Temperatur unterschreiten kann</translation>
    </message>
    <message>
        <source>Doubtful: the hours between the readings are negative</source>
        <translation>Zweifelhaft: Die Stunden zwischen den Messungen sind negativ</translation>
    </message>
    <message>
        <source>Doubtful: the room is warmer than the body, which was not cooling toward it</source>
        <translation>Zweifelhaft: Die Umgebung ist wärmer als der Leichnam, der sich also nicht auf sie hin abkühlte</translation>
    </message>
    <message>
        <source>Doubtful: the first reading is above %1, which by the law the body would reach only after it was found</source>
        <translation>Zweifelhaft: Die erste Messung liegt über %1, die der Leichnam nach dem Gesetz erst nach seiner Auffindung erreicht hätte</translation>
    </message>
    <message>
        <source>Doubtful: the second reading is farther from the room temperature than the first, so the body was not cooling</source>
        <translation>Zweifelhaft: Die zweite Messung liegt weiter von der Umgebungstemperatur entfernt als die erste, der Leichnam kühlte sich also nicht ab</translation>
    </message>
    <message>
        <source>%1, when the body was found, and %2; room %3</source>
        <extracomment>The two readings (&quot;75 °F at 2:00:00 AM&quot;), then the room&apos;s temperature.</extracomment>
        <translation>%1, bei der Auffindung, und %2; Umgebung %3</translation>
    </message>
    <message>
        <source>Newton&apos;s law, no curve: %1. %2.</source>
        <extracomment>%1 says why the estimate is doubtful; %2 the readings and the room.</extracomment>
        <translation>Newtonsches Abkühlungsgesetz, keine Kurve: %1. %2.</translation>
    </message>
    <message>
        <source>No curve: %1. %2.</source>
        <translation>Keine Kurve: %1. %2.</translation>
    </message>
    <message>
        <source>Newton&apos;s law, solid line: from %1 at %2, to %3</source>
        <extracomment>The curve from the temperature at death (%1) at the time of death (%2) through the readings (%3).</extracomment>
        <translation>Newtonsches Abkühlungsgesetz, durchgezogene Linie: von %1 um %2, bis %3</translation>
    </message>
    <message>
        <source>Newton&apos;s law, solid line: from %1 at %2 to %3</source>
        <translation>Newtonsches Abkühlungsgesetz, durchgezogene Linie: von %1 um %2 bis %3</translation>
    </message>
    <message>
        <source>From %1 at %2, to %3</source>
        <translation>Von %1 um %2, bis %3</translation>
    </message>
    <message>
        <source>From %1 at %2 to %3</source>
        <translation>Von %1 um %2 bis %3</translation>
    </message>
    <message numerus="yes">
        <source>%1 day %2 h %3 min %4 s before the body was found at %5</source>
        <extracomment>Days, hours, minutes and seconds, then the time the body was found.</extracomment>
        <translation>
            <numerusform>%1 Tag %2 h %3 min %4 s vor der Auffindung des Leichnams um %5</numerusform>
            <numerusform>%1 Tage %2 h %3 min %4 s vor der Auffindung des Leichnams um %5</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 days %2 h %3 min %4 s before the body was found at %5</source>
        <translation>
            <numerusform>%1 Tag %2 h %3 min %4 s vor der Auffindung des Leichnams um %5</numerusform>
            <numerusform>%1 Tage %2 h %3 min %4 s vor der Auffindung des Leichnams um %5</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 h %2 min %3 s before the body was found at %4</source>
        <extracomment>Hours, minutes and seconds, then the time the body was found.</extracomment>
        <translation>%1 h %2 min %3 s vor der Auffindung des Leichnams um %4</translation>
    </message>
    <message>
        <source>a reading off by %1 could make the estimate undefined</source>
        <extracomment>%1 is a thermometer&apos;s resolution: &quot;0.1 °F&quot;.</extracomment>
        <translation>weicht eine Messung um %1 ab, könnte die Schätzung unbestimmt werden</translation>
    </message>
    <message>
        <source>%1; %2</source>
        <extracomment>How long before discovery, then how far a reading&apos;s error moves it.</extracomment>
        <translation>%1; %2</translation>
    </message>
    <message>
        <source>By Newton&apos;s law of cooling, a body&apos;s excess of temperature over the room shrinks by the same fraction in every equal span of time. Here the excess fell from %1 to %2 in %3 hours; at that pace it was %4 (%5 less the room&apos;s %6) t hours before the first reading, where %7. These readings make the estimate doubtful, as the result says.</source>
        <extracomment>%1 and %2 the excess over the room at the readings, %3 the hours between them, %4 the excess at death, %5 the temperature at death, %6 the room&apos;s; %7 the formula for t.</extracomment>
        <translation>Nach dem Newtonschen Abkühlungsgesetz nimmt der Temperaturüberschuss eines Körpers über die Umgebung in jedem gleich langen Zeitabschnitt um denselben Bruchteil ab. Hier fiel der Überschuss in %3 Stunden von %1 auf %2; in diesem Tempo betrug er t Stunden vor der ersten Messung %4 (%5 abzüglich der Umgebungstemperatur von %6), wobei %7. Diese Messungen machen die Schätzung zweifelhaft, wie das Ergebnis angibt.</translation>
    </message>
    <message>
        <source>By Newton&apos;s law of cooling, a body&apos;s excess of temperature over the room shrinks by the same fraction in every equal span of time. Here the excess fell from %1 to %2 in %3 hours; at that pace it was %4 (%5 less the room&apos;s %6) t hours before the first reading, where %7 hours. The time of discovery less these hours is the time of death.</source>
        <extracomment>As the sentence before it, %7 the formula with its result in hours.</extracomment>
        <translation>Nach dem Newtonschen Abkühlungsgesetz nimmt der Temperaturüberschuss eines Körpers über die Umgebung in jedem gleich langen Zeitabschnitt um denselben Bruchteil ab. Hier fiel der Überschuss in %3 Stunden von %1 auf %2; in diesem Tempo betrug er t Stunden vor der ersten Messung %4 (%5 abzüglich der Umgebungstemperatur von %6), wobei %7 Stunden. Die Auffindezeit abzüglich dieser Stunden ist der Todeszeitpunkt.</translation>
    </message>
    <message>
        <source>Newton&apos;s law of cooling</source>
        <translation>Newtonsches Abkühlungsgesetz</translation>
    </message>
    <message>
        <source>Room temperature</source>
        <translation>Umgebungstemperatur</translation>
    </message>
    <message>
        <source>Body temperature when found</source>
        <translation>Körpertemperatur bei Auffindung</translation>
    </message>
    <message>
        <source>Second body temperature</source>
        <translation>Körpertemperatur (Messung 2)</translation>
    </message>
    <message>
        <source>Hours between the two readings</source>
        <translation>Stunden zwischen den beiden Messungen</translation>
    </message>
    <message>
        <source>hours</source>
        <extracomment>The unit after a number of hours as typed: &quot;3 hours&quot;.</extracomment>
        <translation>Stunden</translation>
    </message>
    <message>
        <source>Newton: died %1 (%2)</source>
        <extracomment>The label at the time of death on the curve: &quot;died 7:25:44 PM (±14 min)&quot;.</extracomment>
        <translation>Newton: Tod %1 (%2)</translation>
    </message>
    <message>
        <source>died %1 (%2)</source>
        <translation>Tod %1 (%2)</translation>
    </message>
    <message>
        <source>Result</source>
        <extracomment>Headings of the case sheet&apos;s sections.</extracomment>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>Estimated time of death:</source>
        <translation>Geschätzter Todeszeitpunkt:</translation>
    </message>
    <message>
        <source>Method</source>
        <translation>Methode</translation>
    </message>
</context>
<context>
    <name>PdfFileWords</name>
    <message>
        <source>the PDF could not be started</source>
        <translation>das PDF konnte nicht angelegt werden</translation>
    </message>
</context>
<context>
    <name>PrinterLoaderWords</name>
    <message>
        <source>could not be loaded: %1</source>
        <extracomment>Follows the printing module&apos;s file name; %1 is the system&apos;s reason.</extracomment>
        <translation>konnte nicht geladen werden: %1</translation>
    </message>
    <message>
        <source>the printing module %1 is not in %2</source>
        <extracomment>%1 is the module&apos;s file name, %2 the folders looked in.</extracomment>
        <translation>das Druckmodul %1 ist nicht in %2</translation>
    </message>
    <message>
        <source> or </source>
        <translation> oder </translation>
    </message>
    <message>
        <source>%1 is not the printing module of this version of Quorrel: it offers %2, not %3</source>
        <extracomment>%1 is the module&apos;s file, %2 and %3 names of plugin interfaces.</extracomment>
        <translation>%1 ist nicht das Druckmodul dieser Quorrel-Version: Es bietet %2, nicht %3</translation>
    </message>
    <message>
        <source>%1 does not print case sheets</source>
        <extracomment>%1 is the module&apos;s file.</extracomment>
        <translation>%1 druckt keine Fallblätter</translation>
    </message>
</context>
<context>
    <name>SheetCommandWords</name>
    <message>
        <source>The case sheet could not be saved: %1.</source>
        <extracomment>%1 is the reason, which names the file.</extracomment>
        <translation>Das Fallblatt konnte nicht gespeichert werden: %1.</translation>
    </message>
    <message>
        <source>The case sheet could not be printed: %1.</source>
        <translation>Das Fallblatt konnte nicht gedruckt werden: %1.</translation>
    </message>
    <message>
        <source>The case sheet could not be saved as %1: %2.</source>
        <extracomment>%1 is the file&apos;s path, %2 the reason.</extracomment>
        <translation>Das Fallblatt konnte nicht als %1 gespeichert werden: %2.</translation>
    </message>
    <message>
        <source>The case sheet could not be printed to %1: %2.</source>
        <translation>Das Fallblatt konnte nicht in %1 gedruckt werden: %2.</translation>
    </message>
    <message>
        <source>Save Case Sheet as PDF</source>
        <translation>Fallblatt als PDF speichern</translation>
    </message>
    <message>
        <source>PDF documents (%1)</source>
        <extracomment>A file dialog&apos;s filter; %1 is the pattern of the files it shows.</extracomment>
        <translation>PDF-Dokumente (%1)</translation>
    </message>
    <message>
        <source>Case Sheet Not Saved</source>
        <translation>Fallblatt nicht gespeichert</translation>
    </message>
    <message>
        <source>Case Sheet Not Printed</source>
        <translation>Fallblatt nicht gedruckt</translation>
    </message>
    <message>
        <source>Printing is not available: %1.</source>
        <extracomment>%1 is why: the printing module is missing or cannot be loaded.</extracomment>
        <translation>Drucken ist nicht verfügbar: %1.</translation>
    </message>
    <message>
        <source>Time of death estimate</source>
        <extracomment>The print job&apos;s name, as the case sheet&apos;s title.</extracomment>
        <translation>Schätzung des Todeszeitpunkts</translation>
    </message>
    <message>
        <source>The case sheet could not be printed on %1.</source>
        <translation>Das Fallblatt konnte nicht auf %1 gedruckt werden.</translation>
    </message>
</context>
<context>
    <name>SignsCaseWords</name>
    <message>
        <source>Examined at</source>
        <translation>Untersucht um</translation>
    </message>
    <message>
        <source>Last seen alive</source>
        <translation>Zuletzt lebend gesehen</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>A moment: %1 is a time of day, %2 its day (&quot;the day before discovery&quot;).</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>The examination, at %1, comes before the body was found, at %2 the day of discovery. Enter a time at or after it.</source>
        <extracomment>%1 is a time of day with its day, %2 a time of day.</extracomment>
        <translation>Die Untersuchung um %1 liegt vor der Auffindung des Leichnams um %2 am Tag der Auffindung. Geben Sie einen Zeitpunkt ab der Auffindung ein.</translation>
    </message>
    <message>
        <source>The last sighting alive, at %1, comes after the body was found, at %2 the day of discovery. Enter a time before it, or leave it empty.</source>
        <extracomment>%1 is a time of day with its day, %2 a time of day.</extracomment>
        <translation>Die letzte Lebendsichtung um %1 liegt nach der Auffindung des Leichnams um %2 am Tag der Auffindung. Geben Sie einen Zeitpunkt davor ein, oder lassen Sie das Feld leer.</translation>
    </message>
</context>
<context>
    <name>SignsFileWords</name>
    <message>
        <source>a list of findings such as {&quot;sign&quot;: &quot;rigorPresent&quot;, &quot;finding&quot;: &quot;yes&quot;}</source>
        <extracomment>What a member of the file should be; the example is written as the file holds it.</extracomment>
        <translation>eine Liste von Befunden wie {&quot;sign&quot;: &quot;rigorPresent&quot;, &quot;finding&quot;: &quot;yes&quot;}</translation>
    </message>
    <message>
        <source>a sign and finding this Quorrel knows</source>
        <translation>eine Kombination aus Zeichen und Befund, die diese Quorrel-Version kennt</translation>
    </message>
    <message>
        <source>given once</source>
        <translation>nur einmal angegeben</translation>
    </message>
    <message>
        <source>a time of day such as &quot;12:00:00 AM&quot;, and so should &quot;lastSeenAt&quot; where it is given</source>
        <extracomment>What a member of the file should be; the time and the member&apos;s name are written as the file holds them.</extracomment>
        <translation>eine Uhrzeit wie „12:00:00 AM“ (ebenso „lastSeenAt“, wo angegeben)</translation>
    </message>
    <message>
        <source>The signs of death: %1</source>
        <extracomment>%1 is why the combination cannot be made again from the file.</extracomment>
        <translation>Leichenerscheinungen: %1</translation>
    </message>
</context>
<context>
    <name>SignsWords</name>
    <message>
        <source>Lividity visible</source>
        <translation>Totenflecke sichtbar</translation>
    </message>
    <message>
        <source>lividity visible</source>
        <translation>Totenflecke sichtbar</translation>
    </message>
    <message>
        <source>no lividity visible</source>
        <translation>keine Totenflecke sichtbar</translation>
    </message>
    <message>
        <source>lividity</source>
        <translation>Totenflecke</translation>
    </message>
    <message>
        <source>Lividity confluent</source>
        <translation>Totenflecke konfluierend</translation>
    </message>
    <message>
        <source>lividity confluent</source>
        <translation>Totenflecke konfluierend</translation>
    </message>
    <message>
        <source>lividity not confluent</source>
        <translation>Totenflecke nicht konfluierend</translation>
    </message>
    <message>
        <source>Lividity at its maximum</source>
        <translation>Totenflecke maximal ausgeprägt</translation>
    </message>
    <message>
        <source>lividity at its maximum</source>
        <translation>Totenflecke maximal ausgeprägt</translation>
    </message>
    <message>
        <source>lividity not at its maximum</source>
        <translation>Totenflecke nicht maximal ausgeprägt</translation>
    </message>
    <message>
        <source>Lividity vanishes completely under thumb pressure</source>
        <translation>Totenflecke auf Daumendruck vollständig wegdrückbar</translation>
    </message>
    <message>
        <source>lividity vanishing completely under thumb pressure</source>
        <translation>Totenflecke auf Daumendruck vollständig wegdrückbar</translation>
    </message>
    <message>
        <source>lividity not vanishing completely under thumb pressure</source>
        <translation>Totenflecke auf Daumendruck nicht vollständig wegdrückbar</translation>
    </message>
    <message>
        <source>Lividity shifts completely when the body is turned</source>
        <translation>Totenflecke vollständig umlagerbar</translation>
    </message>
    <message>
        <source>lividity shifting completely when the body is turned</source>
        <translation>Totenflecke vollständig umlagerbar</translation>
    </message>
    <message>
        <source>lividity not shifting completely when the body is turned</source>
        <translation>Totenflecke nicht vollständig umlagerbar</translation>
    </message>
    <message>
        <source>Lividity shifts in part when the body is turned</source>
        <translation>Totenflecke teilweise umlagerbar</translation>
    </message>
    <message>
        <source>lividity shifting in part when the body is turned</source>
        <translation>Totenflecke teilweise umlagerbar</translation>
    </message>
    <message>
        <source>lividity not shifting even in part when the body is turned</source>
        <translation>Totenflecke nicht einmal teilweise umlagerbar</translation>
    </message>
    <message>
        <source>Rigor present</source>
        <extracomment>Rigor mortis, in all of these rows.</extracomment>
        <translation>Totenstarre vorhanden</translation>
    </message>
    <message>
        <source>rigor present</source>
        <translation>Totenstarre vorhanden</translation>
    </message>
    <message>
        <source>no rigor</source>
        <translation>keine Totenstarre</translation>
    </message>
    <message>
        <source>rigor</source>
        <translation>Totenstarre</translation>
    </message>
    <message>
        <source>Rigor at its maximum</source>
        <translation>Totenstarre maximal ausgeprägt</translation>
    </message>
    <message>
        <source>rigor at its maximum</source>
        <translation>Totenstarre maximal ausgeprägt</translation>
    </message>
    <message>
        <source>rigor not at its maximum</source>
        <translation>Totenstarre nicht maximal ausgeprägt</translation>
    </message>
    <message>
        <source>Rigor re-established after it was broken</source>
        <translation>Totenstarre nach Brechen wieder eingetreten</translation>
    </message>
    <message>
        <source>rigor re-established after it was broken</source>
        <translation>Totenstarre nach Brechen wieder eingetreten</translation>
    </message>
    <message>
        <source>rigor not re-established after it was broken</source>
        <translation>Totenstarre nach Brechen nicht wieder eingetreten</translation>
    </message>
    <message>
        <source>Rigor resolving</source>
        <translation>Totenstarre in Lösung</translation>
    </message>
    <message>
        <source>rigor resolving</source>
        <translation>Totenstarre in Lösung</translation>
    </message>
    <message>
        <source>rigor not resolving</source>
        <translation>Totenstarre nicht in Lösung</translation>
    </message>
    <message>
        <source>Rigor resolved</source>
        <translation>Totenstarre gelöst</translation>
    </message>
    <message>
        <source>rigor resolved</source>
        <translation>Totenstarre gelöst</translation>
    </message>
    <message>
        <source>rigor not resolved</source>
        <translation>Totenstarre nicht gelöst</translation>
    </message>
    <message>
        <source>Mechanical excitability: whole-muscle contraction (Zsako)</source>
        <translation>Mechanische Erregbarkeit: Kontraktion des ganzen Muskels (Zsako)</translation>
    </message>
    <message>
        <source>a whole-muscle contraction on a tap (Zsako)</source>
        <translation>Kontraktion des ganzen Muskels beim Beklopfen (Zsako)</translation>
    </message>
    <message>
        <source>no whole-muscle contraction on a tap</source>
        <translation>keine Kontraktion des ganzen Muskels beim Beklopfen</translation>
    </message>
    <message>
        <source>muscle tap</source>
        <translation>Beklopfen</translation>
    </message>
    <message>
        <source>Mechanical excitability: idiomuscular bulge</source>
        <translation>Mechanische Erregbarkeit: idiomuskulärer Wulst</translation>
    </message>
    <message>
        <source>an idiomuscular bulge on a tap</source>
        <translation>idiomuskulärer Wulst beim Beklopfen</translation>
    </message>
    <message>
        <source>no idiomuscular bulge on a tap</source>
        <translation>kein idiomuskulärer Wulst beim Beklopfen</translation>
    </message>
    <message>
        <source>Electrical excitability of the eyelid</source>
        <translation>Elektrische Erregbarkeit am Augenlid</translation>
    </message>
    <message>
        <source>the eyelid&apos;s electrical reaction</source>
        <translation>elektrische Reaktion am Augenlid</translation>
    </message>
    <message>
        <source>no electrical reaction of the eyelid</source>
        <translation>keine elektrische Reaktion am Augenlid</translation>
    </message>
    <message>
        <source>eyelid</source>
        <translation>Augenlid</translation>
    </message>
    <message>
        <source>Electrical excitability of the corner of the mouth</source>
        <translation>Elektrische Erregbarkeit am Mundwinkel</translation>
    </message>
    <message>
        <source>an electrical reaction at the corner of the mouth</source>
        <translation>elektrische Reaktion am Mundwinkel</translation>
    </message>
    <message>
        <source>no electrical reaction at the corner of the mouth</source>
        <translation>keine elektrische Reaktion am Mundwinkel</translation>
    </message>
    <message>
        <source>mouth</source>
        <translation>Mundwinkel</translation>
    </message>
    <message>
        <source>Chemical excitability of the iris: tropicamide</source>
        <translation>Pharmakologische Erregbarkeit der Iris: Tropicamid</translation>
    </message>
    <message>
        <source>the iris reacting to tropicamide</source>
        <translation>Reaktion der Iris auf Tropicamid</translation>
    </message>
    <message>
        <source>the iris not reacting to tropicamide</source>
        <translation>keine Reaktion der Iris auf Tropicamid</translation>
    </message>
    <message>
        <source>iris</source>
        <translation>Iris</translation>
    </message>
    <message>
        <source>Chemical excitability of the iris: acetylcholine</source>
        <translation>Pharmakologische Erregbarkeit der Iris: Acetylcholin</translation>
    </message>
    <message>
        <source>the iris reacting to acetylcholine</source>
        <translation>Reaktion der Iris auf Acetylcholin</translation>
    </message>
    <message>
        <source>the iris not reacting to acetylcholine</source>
        <translation>keine Reaktion der Iris auf Acetylcholin</translation>
    </message>
    <message>
        <source>grade VI</source>
        <translation>Grad VI</translation>
    </message>
    <message>
        <source>grade V</source>
        <translation>Grad V</translation>
    </message>
    <message>
        <source>grade IV</source>
        <translation>Grad IV</translation>
    </message>
    <message>
        <source>grade III</source>
        <translation>Grad III</translation>
    </message>
    <message>
        <source>grade II</source>
        <translation>Grad II</translation>
    </message>
    <message>
        <source>grade I</source>
        <translation>Grad I</translation>
    </message>
    <message>
        <source>%1 at %2</source>
        <extracomment>A finding and its grade: &quot;the eyelid&apos;s electrical reaction at grade III&quot;.</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>at about %1 %2</source>
        <extracomment>A time and its day: &quot;at about 11:00 AM the day before discovery&quot;.</extracomment>
        <translation>gegen %1 %2</translation>
    </message>
    <message>
        <source>between %1 and %2 %3</source>
        <extracomment>Two times and the day they share: &quot;between 11:00 AM and 12:28 PM the day before discovery&quot;.</extracomment>
        <translation>zwischen %1 und %2 %3</translation>
    </message>
    <message>
        <source>between %1 and %2</source>
        <extracomment>Two times, each with its day.</extracomment>
        <translation>zwischen %1 und %2</translation>
    </message>
    <message>
        <source>no earlier than %1</source>
        <translation>nicht vor %1</translation>
    </message>
    <message>
        <source>no later than %1</source>
        <translation>nicht nach %1</translation>
    </message>
    <message>
        <source>any time</source>
        <extracomment>What a piece of evidence allows alone: it bounds nothing (&quot;died any time&quot;).</extracomment>
        <translation>zu beliebiger Zeit</translation>
    </message>
    <message>
        <source>%1 (%2 before the examination)</source>
        <extracomment>A finding and the hours it gives: &quot;rigor at its maximum (at least 2 h before the examination)&quot;.</extracomment>
        <translation>%1 (%2 vor der Untersuchung)</translation>
    </message>
    <message>
        <source>the last sighting alive</source>
        <translation>letzte Lebendsichtung</translation>
    </message>
    <message>
        <source>the discovery</source>
        <translation>Auffindung</translation>
    </message>
    <message>
        <source>%1, %2 before the examination</source>
        <extracomment>A finding and the hours it gives: &quot;Rigor at its maximum, at least 2 h before the examination&quot;.</extracomment>
        <translation>%1, %2 vor der Untersuchung</translation>
    </message>
    <message>
        <source>Last seen alive</source>
        <translation>Zuletzt lebend gesehen</translation>
    </message>
    <message>
        <source>Found dead at %1</source>
        <translation>Tot aufgefunden um %1</translation>
    </message>
    <message>
        <source>last seen</source>
        <extracomment>A few words for the curve&apos;s label: what set an end of the interval.</extracomment>
        <translation>zuletzt gesehen</translation>
    </message>
    <message>
        <source>found</source>
        <translation>aufgefunden</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <extracomment>The last of a list: &quot;the nomogram&apos;s 95 % limit, rigor present and the discovery&quot;.</extracomment>
        <translation>%1 und %2</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>Grade VI</source>
        <translation>Grad VI</translation>
    </message>
    <message>
        <source>Grade V</source>
        <translation>Grad V</translation>
    </message>
    <message>
        <source>Grade IV</source>
        <translation>Grad IV</translation>
    </message>
    <message>
        <source>Grade III</source>
        <translation>Grad III</translation>
    </message>
    <message>
        <source>Grade II</source>
        <translation>Grad II</translation>
    </message>
    <message>
        <source>Grade I</source>
        <translation>Grad I</translation>
    </message>
    <message>
        <source>No reaction</source>
        <translation>Keine Reaktion</translation>
    </message>
    <message>
        <source>at least %1</source>
        <extracomment>Hours since death at the examination: &quot;at least 2 h&quot;.</extracomment>
        <translation>mindestens %1</translation>
    </message>
    <message>
        <source>at most %1</source>
        <translation>höchstens %1</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <extracomment>Hours since death at the examination: &quot;3.5 to 13 h&quot;.</extracomment>
        <translation>%1 bis %2</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A finding and the hours it gives: &quot;Yes: at least 2 h&quot;.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1 within the bounds: does not apply, as its most likely time, %2, lies outside the hours between the last sighting alive and the discovery (Hubig et al. 2014).</source>
        <extracomment>%1 a method (&quot;Henssge&apos;s nomogram&quot;); %2 its most likely time of death.</extracomment>
        <translation>%1 innerhalb der Ermittlungsgrenzen: entfällt, da der wahrscheinlichste Zeitpunkt, %2, außerhalb der Zeit zwischen der letzten Lebendsichtung und der Auffindung liegt (Hubig et al. 2014).</translation>
    </message>
    <message>
        <source>%1 within the bounds: died %2 (%3), median %4; %5 of its distribution lies between the last sighting alive and the discovery. This assumes a normal error, its SD half the %3 limit (%6).</source>
        <extracomment>%1 a method; %2 when it says death came within the bounds; %3 &quot;95 %&quot;; %4 the median time; %5 a share (&quot;34 %&quot;); %6 the standard deviation in hours.</extracomment>
        <translation>%1 innerhalb der Ermittlungsgrenzen: Tod %2 (%3), Median %4; %5 der Verteilung liegen zwischen der letzten Lebendsichtung und der Auffindung. Vorausgesetzt ist ein normalverteilter Fehler mit einer Standardabweichung von der Hälfte der %3-Toleranzgrenze (%6).</translation>
    </message>
    <message>
        <source>Its entries are uncertain: this uses the exact estimate, as the prudent interval is no distribution.</source>
        <translation>Die Eingaben sind unsicher: Hier wird die genaue Schätzung verwendet, da das vorsichtige Intervall keine Verteilung ist.</translation>
    </message>
    <message>
        <source>Probability of death %1: %2 (%3, within the bounds).</source>
        <extracomment>%1 when (&quot;between 10:00 AM and 11:00 AM the day before discovery&quot;); %2 a share (&quot;34 %&quot;); %3 the method.</extracomment>
        <translation>Wahrscheinlichkeit des Todes %1: %2 (%3, innerhalb der Ermittlungsgrenzen).</translation>
    </message>
    <message>
        <source>The evidence contradicts itself: %1 puts death no earlier than %2, but %3 puts it no later than %4. No interval can be given: check the findings, the times and the temperatures.</source>
        <extracomment>%1 and %3 two pieces of evidence (&quot;rigor at its maximum (at least 2 h before the examination)&quot;), %2 and %4 the times each puts death before or after.</extracomment>
        <translation>Die Befunde widersprechen sich: Tod nicht vor %2 (%1), aber nicht nach %4 (%3). Es kann kein Intervall angegeben werden: Prüfen Sie die Befunde, die Zeiten und die Temperaturen.</translation>
    </message>
    <message>
        <source>Died %1. Earliest: %2; latest: %3.</source>
        <extracomment>%1 when (&quot;between …&quot;); %2 and %3 what set the earliest and the latest end.</extracomment>
        <translation>Tod %1. Frühestes Ende: %2; spätestes Ende: %3.</translation>
    </message>
    <message>
        <source>Died no later than %1, set by %2; nothing entered bounds how early.</source>
        <translation>Tod nicht nach %1, begrenzt durch %2; keine Eingabe begrenzt den frühesten Zeitpunkt.</translation>
    </message>
    <message>
        <source>%1: died %2.</source>
        <extracomment>A piece of evidence, then what it allows alone: &quot;Last seen alive: died no earlier than 11:00 AM the day before discovery.&quot;</extracomment>
        <translation>%1: Tod %2.</translation>
    </message>
    <message>
        <source>Sets both ends.</source>
        <translation>Setzt beide Enden.</translation>
    </message>
    <message>
        <source>Sets the earliest.</source>
        <translation>Setzt das früheste Ende.</translation>
    </message>
    <message>
        <source>Sets the latest.</source>
        <translation>Setzt das späteste Ende.</translation>
    </message>
    <message>
        <source>Contradicted.</source>
        <translation>Steht im Widerspruch.</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>A time of day and its day: &quot;4:15 PM, the day before&quot;.</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Combined: %1 (%2) to %3 (%4)</source>
        <extracomment>The label at the combined interval: each end with what set it (&quot;Combined: 4:15 PM (rigor) to 7:15 PM (nomogram)&quot;).</extracomment>
        <translation>Kombiniert: %1 (%2) bis %3 (%4)</translation>
    </message>
    <message>
        <source>Signs of death</source>
        <translation>Leichenerscheinungen</translation>
    </message>
    <message>
        <source>Examined at:</source>
        <translation>Untersucht um:</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>A finding and the publication it comes from: &quot;Yes: at least 2 h (Henssge et al.…)&quot;.</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Last seen alive:</source>
        <translation>Zuletzt lebend gesehen:</translation>
    </message>
    <message>
        <source>not entered</source>
        <translation>nicht eingegeben</translation>
    </message>
    <message>
        <source>Signs of death, combined</source>
        <translation>Leichenerscheinungen, kombiniert</translation>
    </message>
    <message>
        <source>Signs of death combined, cross-hatched between brackets: %1</source>
        <extracomment>In the curve&apos;s summary; %1 the combination&apos;s sentence.</extracomment>
        <translation>Leichenerscheinungen kombiniert, kreuzschraffiert zwischen Klammern: %1</translation>
    </message>
    <message>
        <source>Re-establishment was seen up to 20 h after death in about half of 67 sudden deaths (Crostack et al., Int J Legal Med 2017).</source>
        <translation>Eine Wiederbildung der Totenstarre wurde bei etwa der Hälfte von 67 plötzlichen Todesfällen bis 20 h nach dem Tod beobachtet (Crostack et al., Int J Legal Med 2017).</translation>
    </message>
    <message>
        <source>The iris tests were judged unreliable (Koehler et al., Int J Legal Med 2018).</source>
        <translation>Die pharmakologische Erregbarkeit der Iris wurde als unzuverlässig beurteilt (Koehler et al., Int J Legal Med 2018).</translation>
    </message>
    <message>
        <source>The grades do not hold after a long illness (the times come out too long), or after fatal hypothermia or with a haematoma of the eyelid (too short).</source>
        <translation>Die Grade gelten nicht nach langer Krankheit (die Zeiten fallen zu lang aus), nach tödlicher Unterkühlung oder bei einem Hämatom des Augenlids (zu kurz).</translation>
    </message>
</context>
<context>
    <name>WholeFileWords</name>
    <message>
        <source>the folder %1 cannot be written to (%2)</source>
        <extracomment>Why a file could not be written; %1 is a folder, %2 the system&apos;s reason.</extracomment>
        <translation>in den Ordner %1 kann nicht geschrieben werden (%2)</translation>
    </message>
</context>
<context>
    <name>Wording</name>
    <message>
        <source>%1 %2</source>
        <extracomment>A time of day, then the day it falls on: &quot;9:40 AM the day before discovery&quot;.</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>%1 min</source>
        <extracomment>Minutes, as in &quot;20 min&quot;.</extracomment>
        <translation>%1 min</translation>
    </message>
    <message>
        <source>%1 h</source>
        <extracomment>Hours, as in &quot;2.5 h&quot;.</extracomment>
        <translation>%1 h</translation>
    </message>
    <message>
        <source>No time of discovery is set: in the main window, pick the hour, minute, second and AM/PM the corpse was found, then press Set Time.</source>
        <extracomment>&quot;Set Time&quot; is the main window&apos;s button of that name.</extracomment>
        <translation>Keine Auffindezeit gesetzt: Wählen Sie im Hauptfenster Stunde, Minute, Sekunde und AM/PM der Auffindung des Leichnams und drücken Sie dann „Zeit setzen“.</translation>
    </message>
    <message numerus="yes">
        <source>%1 day %2 h before discovery</source>
        <translation>
            <numerusform>%1 Tag %2 h vor der Auffindung</numerusform>
            <numerusform>%1 Tage %2 h vor der Auffindung</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 days %2 h before discovery</source>
        <translation>
            <numerusform>%1 Tag %2 h vor der Auffindung</numerusform>
            <numerusform>%1 Tage %2 h vor der Auffindung</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 day %2 h after discovery</source>
        <translation>
            <numerusform>%1 Tag %2 h nach der Auffindung</numerusform>
            <numerusform>%1 Tage %2 h nach der Auffindung</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 days %2 h after discovery</source>
        <translation>
            <numerusform>%1 Tag %2 h nach der Auffindung</numerusform>
            <numerusform>%1 Tage %2 h nach der Auffindung</numerusform>
        </translation>
    </message>
    <message>
        <source>the day before</source>
        <extracomment>The day of a time, before the day the body was found: &quot;7:00 PM, the day before&quot;.</extracomment>
        <translation>am Tag davor</translation>
    </message>
    <message>
        <source>the day after</source>
        <translation>am Tag danach</translation>
    </message>
    <message numerus="yes">
        <source>%1 days before</source>
        <extracomment>Two or more days before the day the body was found: &quot;7:00 PM, 3 days before&quot;.</extracomment>
        <translation>
            <numerusform>%1 Tag davor</numerusform>
            <numerusform>%1 Tage davor</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 days after</source>
        <translation>
            <numerusform>%1 Tag danach</numerusform>
            <numerusform>%1 Tage danach</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>A time of day and its day: &quot;4:00:00 PM, 41 days after&quot;.</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>the day of discovery</source>
        <translation>am Tag der Auffindung</translation>
    </message>
    <message>
        <source>the day before discovery</source>
        <translation>am Tag vor der Auffindung</translation>
    </message>
    <message>
        <source>the day after discovery</source>
        <translation>am Tag nach der Auffindung</translation>
    </message>
    <message numerus="yes">
        <source>%1 days before discovery</source>
        <translation>
            <numerusform>%1 Tag vor der Auffindung</numerusform>
            <numerusform>%1 Tage vor der Auffindung</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 days after discovery</source>
        <translation>
            <numerusform>%1 Tag nach der Auffindung</numerusform>
            <numerusform>%1 Tage nach der Auffindung</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 day %2 h %3 min</source>
        <extracomment>A span: days, hours, minutes.</extracomment>
        <translation>
            <numerusform>%1 Tag %2 h %3 min</numerusform>
            <numerusform>%1 Tage %2 h %3 min</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 days %2 h %3 min</source>
        <translation>
            <numerusform>%1 Tag %2 h %3 min</numerusform>
            <numerusform>%1 Tage %2 h %3 min</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 h %2 min</source>
        <extracomment>A span: hours, minutes.</extracomment>
        <translation>%1 h %2 min</translation>
    </message>
    <message>
        <source>spread unbounded</source>
        <extracomment>How far a thermometer&apos;s error moves the time of death: without bound.</extracomment>
        <translation>Streuung unbegrenzt</translation>
    </message>
    <message>
        <source>&lt;1 min</source>
        <extracomment>Less than one minute, as in &quot;±&lt;1 min&quot;.</extracomment>
        <translation>&lt;1 min</translation>
    </message>
    <message numerus="yes">
        <source>%1 days</source>
        <translation>
            <numerusform>%1 Tag</numerusform>
            <numerusform>%1 Tage</numerusform>
        </translation>
    </message>
    <message>
        <source>Ambient Room Temperature</source>
        <translation>Umgebungstemperatur</translation>
    </message>
    <message>
        <source>Corpse Temperature reading 1</source>
        <translation>Körpertemperatur (Messung 1)</translation>
    </message>
    <message>
        <source>Corpse Temperature reading 2</source>
        <translation>Körpertemperatur (Messung 2)</translation>
    </message>
    <message>
        <source>, in the main window</source>
        <extracomment>Follows the name of an entry: &quot;Ambient Room Temperature, in the main window&quot;.</extracomment>
        <translation>, im Hauptfenster</translation>
    </message>
    <message>
        <source>%1:</source>
        <extracomment>A label on the case sheet: %1 is what it names, its value follows.</extracomment>
        <translation>%1:</translation>
    </message>
</context>
<context>
    <name>quorrel::ui::CaseDocument</name>
    <message>
        <source>%1[*] - %2</source>
        <translation>%1[*] - %2</translation>
    </message>
    <message>
        <source>Save Case</source>
        <translation>Fall speichern</translation>
    </message>
    <message>
        <source>%1 was changed on disk since it was opened or saved here. Replace it with the case on screen?</source>
        <extracomment>%1 is the case file&apos;s name.</extracomment>
        <translation>%1 wurde seit dem Öffnen oder Speichern hier auf dem Datenträger geändert. Durch den angezeigten Fall ersetzen?</translation>
    </message>
    <message>
        <source>Case Not Saved</source>
        <translation>Fall nicht gespeichert</translation>
    </message>
    <message>
        <source>The case could not be saved as %1: %2.</source>
        <extracomment>%1 is the file&apos;s path, %2 why it could not be saved.</extracomment>
        <translation>Der Fall konnte nicht als %1 gespeichert werden: %2.</translation>
    </message>
    <message>
        <source>Case Not Opened</source>
        <translation>Fall nicht geöffnet</translation>
    </message>
    <message>
        <source>%1 %2.

The case on screen is as it was.</source>
        <extracomment>%1 is the file&apos;s path, or &quot;The case file&quot; where none was given; %2 what is wrong with it, which follows the name (&quot;is a folder, not a case file&quot;).</extracomment>
        <translation>%1 %2.

Der angezeigte Fall bleibt unverändert.</translation>
    </message>
    <message>
        <source>The case file</source>
        <translation>Die Falldatei</translation>
    </message>
    <message>
        <source>Estimates Not Made Again</source>
        <translation>Schätzungen nicht neu berechnet</translation>
    </message>
    <message>
        <source>%1 holds entries these estimates cannot be made from; the entries are shown as the file holds them.

%2</source>
        <extracomment>%1 is the case file&apos;s name, %2 the reasons, a paragraph each.</extracomment>
        <translation>%1 enthält Eingaben, aus denen diese Schätzungen nicht berechnet werden können; die Eingaben werden so angezeigt, wie die Datei sie enthält.

%2</translation>
    </message>
    <message>
        <source>The file may have been changed outside Quorrel.</source>
        <translation>Die Datei wurde möglicherweise außerhalb von Quorrel geändert.</translation>
    </message>
    <message>
        <source>It was saved by %1; this version of Quorrel shows the new ones.</source>
        <translation>Sie wurde von %1 gespeichert; diese Version von Quorrel zeigt die neuen Schätzungen.</translation>
    </message>
    <message>
        <source>another program</source>
        <translation>einem anderen Programm</translation>
    </message>
    <message>
        <source>Estimates Changed</source>
        <translation>Schätzungen geändert</translation>
    </message>
    <message>
        <source>The estimates made again from the entries in %1 differ from those saved with it. %2

%3</source>
        <extracomment>%1 is the case file&apos;s name, %2 a sentence on why, %3 what changed, a paragraph each method.</extracomment>
        <translation>Die aus den Eingaben in %1 neu berechneten Schätzungen weichen von den damit gespeicherten ab. %2

%3</translation>
    </message>
</context>
<context>
    <name>quorrel::ui::CaseSheetPrinterModule</name>
    <message>
        <source>Print Case Sheet</source>
        <translation>Fallblatt drucken</translation>
    </message>
</context>
<context>
    <name>quorrel::ui::CurvePlot</name>
    <message>
        <source>Cooling curve</source>
        <extracomment>The curve&apos;s name for a screen reader.</extracomment>
        <translation>Abkühlungskurve</translation>
    </message>
</context>
<context>
    <name>quorrel::ui::frmAbout</name>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>An estimate, not a finding of fact.</source>
        <translation>Eine Schätzung, kein Befund.</translation>
    </message>
    <message>
        <source>Application Title</source>
        <translation>Anwendungstitel</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>&amp;Email Me</source>
        <translation>&amp;E-Mail an mich</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <source>Information</source>
        <extracomment>The name of the window&apos;s icon, which shows an information sign.</extracomment>
        <translation>Information</translation>
    </message>
    <message>
        <source>Version %1</source>
        <extracomment>%1 is the version number.</extracomment>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Newton&apos;s Law of Cooling</source>
        <translation>Newtonsches Abkühlungsgesetz</translation>
    </message>
    <message>
        <source>From experimental observations, the temperature at the surface of an object changes at a rate proportional to the difference between its own temperature and the temperature of its surroundings. A warm body in a cool room therefore loses heat quickly at first and ever more slowly as it nears the room&apos;s temperature. This is Newton&apos;s law of cooling.</source>
        <translation>Nach experimentellen Beobachtungen ändert sich die Temperatur an der Oberfläche eines Körpers mit einer Rate, die proportional zur Differenz zwischen seiner eigenen Temperatur und der Temperatur seiner Umgebung ist. Ein warmer Körper in einem kühlen Raum verliert daher anfangs schnell Wärme und dann immer langsamer, je mehr er sich der Umgebungstemperatur nähert. Das ist das Newtonsche Abkühlungsgesetz.</translation>
    </message>
    <message>
        <source>Example: a body is discovered in a motel room at midnight. Its temperature is 80F, and the room is held at 60F. Two hours later the body has cooled to 75F. When did death occur, assuming the body was at the normal 98.6F at that moment?</source>
        <translation>Beispiel: Ein Leichnam wird um Mitternacht in einem Motelzimmer aufgefunden. Seine Temperatur beträgt 80F, das Zimmer wird auf 60F gehalten. Zwei Stunden später ist der Leichnam auf 75F abgekühlt. Wann trat der Tod ein, wenn der Leichnam in diesem Moment die normalen 98,6F hatte?</translation>
    </message>
    <message>
        <source>To work out such a case, pick the time the body was found from the hour, minute, second and AM/PM lists and press Set Time. Then enter the room temperature, the body temperature at discovery, the second body temperature and the hours that passed until that second reading, and press Calculate to see the estimated time of death.</source>
        <translation>Um einen solchen Fall zu berechnen, wählen Sie die Auffindezeit des Leichnams in den Listen für Stunde, Minute, Sekunde und AM/PM und drücken Sie „Zeit setzen“. Geben Sie dann die Umgebungstemperatur, die Körpertemperatur bei der Auffindung, die zweite Körpertemperatur und die bis zur zweiten Messung vergangenen Stunden ein und drücken Sie „Berechnen“, um den geschätzten Todeszeitpunkt zu sehen.</translation>
    </message>
    <message>
        <source>For the example, set 12:00 AM (midnight) as the time of discovery, enter 60 as the ambient room temperature, 80 and 75 as the two body temperatures, and 2 as the hours elapsed. Calculate then shows 7:25:44 PM: death came about 4 hours and 34 minutes before the body was found. Thank you for using Quorrel.</source>
        <translation>Wählen Sie für das Beispiel 12:00 AM (Mitternacht) als Auffindezeit, geben Sie 60 als Umgebungstemperatur, 80 und 75 als die beiden Körpertemperaturen und 2 als vergangene Stunden ein. „Berechnen“ zeigt dann 7:25:44 PM: Der Tod trat etwa 4 Stunden und 34 Minuten vor der Auffindung des Leichnams ein. Vielen Dank, dass Sie Quorrel verwenden.</translation>
    </message>
</context>
<context>
    <name>quorrel::ui::frmBrain</name>
    <message>
        <source>Estimate reads the time found and the room temperature from the main window.</source>
        <translation>„Schätzen“ liest die Auffindezeit und die Umgebungstemperatur aus dem Hauptfenster.</translation>
    </message>
    <message>
        <source>Brain Nomogram - Halbrook</source>
        <extracomment>The window&apos;s caption; &quot; - Halbrook&quot; stays as it is.</extracomment>
        <translation>Hirntemperatur-Nomogramm - Halbrook</translation>
    </message>
    <message>
        <source>&amp;Estimate</source>
        <translation>&amp;Schätzen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Degrees Fahrenheit, as the main window&apos;s readings; the time found and the room temperature are read from the main window.</source>
        <translation>Grad Fahrenheit wie die Messungen im Hauptfenster; Auffindezeit und Umgebungstemperatur werden aus dem Hauptfenster gelesen.</translation>
    </message>
    <message>
        <source>Brain temperature in degrees Celsius</source>
        <translation>Hirntemperatur in Grad Celsius</translation>
    </message>
    <message>
        <source>Estimates the time of death from the brain temperature.</source>
        <translation>Schätzt den Todeszeitpunkt aus der Hirntemperatur.</translation>
    </message>
    <message>
        <source>Hides this window.</source>
        <translation>Blendet dieses Fenster aus.</translation>
    </message>
    <message>
        <source>What the estimate read</source>
        <translation>Was die Schätzung gelesen hat</translation>
    </message>
    <message>
        <source>The estimate</source>
        <translation>Die Schätzung</translation>
    </message>
    <message>
        <source>How the estimate was made</source>
        <translation>Wie die Schätzung entstand</translation>
    </message>
    <message>
        <source>(%1)</source>
        <extracomment>The brain temperature in the other unit, beside the box: &quot;(37.0 °C)&quot; beside °F, or &quot;(98.6 °F)&quot; beside °C.</extracomment>
        <translation>(%1)</translation>
    </message>
    <message>
        <source>Brain Nomogram</source>
        <translation>Hirntemperatur-Nomogramm</translation>
    </message>
    <message>
        <source>&amp;Brain temperature when found, °F:</source>
        <translation>&amp;Hirntemperatur bei Auffindung, °F:</translation>
    </message>
    <message>
        <source>&amp;Brain temperature when found, °C:</source>
        <translation>&amp;Hirntemperatur bei Auffindung, °C:</translation>
    </message>
    <message>
        <source>Degrees Celsius, as the main window&apos;s readings; the time found and the room temperature are read from the main window.</source>
        <translation>Grad Celsius wie die Messungen im Hauptfenster; Auffindezeit und Umgebungstemperatur werden aus dem Hauptfenster gelesen.</translation>
    </message>
    <message>
        <source>Brain temperature in degrees Fahrenheit</source>
        <translation>Hirntemperatur in Grad Fahrenheit</translation>
    </message>
</context>
<context>
    <name>quorrel::ui::frmCoolingCurve</name>
    <message>
        <source>Cooling Curve - Halbrook</source>
        <extracomment>The window&apos;s caption; &quot; - Halbrook&quot; stays as it is.</extracomment>
        <translation>Abkühlungskurve - Halbrook</translation>
    </message>
    <message>
        <source>&amp;Save as PDF…</source>
        <translation>Als &amp;PDF speichern…</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>&amp;Drucken…</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>quorrel::ui::frmHenssge</name>
    <message>
        <source>Estimate reads the time found, the room temperature and the first body temperature from the main window.</source>
        <translation>„Schätzen“ liest die Auffindezeit, die Umgebungstemperatur und die erste Körpertemperatur aus dem Hauptfenster.</translation>
    </message>
    <message>
        <source>Henssge Nomogram - Halbrook</source>
        <extracomment>The window&apos;s caption; &quot; - Halbrook&quot; stays as it is.</extracomment>
        <translation>Henssge-Nomogramm - Halbrook</translation>
    </message>
    <message>
        <source>Body &amp;mass:</source>
        <translation>Körper&amp;gewicht:</translation>
    </message>
    <message>
        <source>C&amp;ondition:</source>
        <translation>&amp;Bedingung:</translation>
    </message>
    <message>
        <source>Corrective &amp;factor:</source>
        <translation>&amp;Korrekturfaktor:</translation>
    </message>
    <message>
        <source>&amp;Estimate</source>
        <translation>&amp;Schätzen</translation>
    </message>
    <message>
        <source>The factor is already for this &amp;body&apos;s mass</source>
        <translation>Der &amp;Faktor gilt bereits für dieses Körpergewicht</translation>
    </message>
    <message>
        <source>&amp;Uncertain by ±</source>
        <translation>&amp;Unsicherheit ±</translation>
    </message>
    <message>
        <source>kg mass</source>
        <extracomment>After the box of the mass&apos;s ±, in kilograms.</extracomment>
        <translation>kg Gewicht</translation>
    </message>
    <message>
        <source>factor</source>
        <extracomment>After the box of the corrective factor&apos;s ±.</extracomment>
        <translation>Faktor</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Unit of the body mass</source>
        <translation>Einheit des Körpergewichts</translation>
    </message>
    <message>
        <source>Room temperature uncertain by plus or minus, degrees Fahrenheit</source>
        <translation>Unsicherheit der Umgebungstemperatur, plus oder minus, Grad Fahrenheit</translation>
    </message>
    <message>
        <source>Body mass uncertain by plus or minus</source>
        <translation>Unsicherheit des Körpergewichts, plus oder minus</translation>
    </message>
    <message>
        <source>Corrective factor uncertain by plus or minus</source>
        <translation>Unsicherheit des Korrekturfaktors, plus oder minus</translation>
    </message>
    <message>
        <source>lb mass</source>
        <extracomment>After the box of the mass&apos;s ±, in pounds or kilograms.</extracomment>
        <translation>lb Gewicht</translation>
    </message>
    <message>
        <source>Henssge Nomogram</source>
        <translation>Henssge-Nomogramm</translation>
    </message>
    <message>
        <source>Newton&apos;s law from both readings: %1</source>
        <extracomment>%1 is a time of death with its day (&quot;7:25:44 PM the day before discovery&quot;).</extracomment>
        <translation>Newtonsches Abkühlungsgesetz aus beiden Messungen: %1</translation>
    </message>
    <message>
        <source>°F room</source>
        <extracomment>After the box of the room&apos;s ±, in degrees Fahrenheit.</extracomment>
        <translation>°F Umgebung</translation>
    </message>
    <message>
        <source>°C room</source>
        <extracomment>After the box of the room&apos;s ±, in degrees Celsius.</extracomment>
        <translation>°C Umgebung</translation>
    </message>
    <message>
        <source>Room temperature uncertain by plus or minus, degrees Celsius</source>
        <translation>Unsicherheit der Umgebungstemperatur, plus oder minus, Grad Celsius</translation>
    </message>
</context>
<context>
    <name>quorrel::ui::frmQuorrelEstimator</name>
    <message>
        <source>Hour</source>
        <translation>Stunde</translation>
    </message>
    <message>
        <source>Minute</source>
        <translation>Minute</translation>
    </message>
    <message>
        <source>Second</source>
        <translation>Sekunde</translation>
    </message>
    <message>
        <source>AM/PM</source>
        <extracomment>The list of AM and PM, which times show in every language.</extracomment>
        <translation>AM/PM</translation>
    </message>
    <message>
        <source>AM / PM</source>
        <extracomment>What the list of AM and PM shows while neither is picked.</extracomment>
        <translation>AM / PM</translation>
    </message>
    <message>
        <source>&amp;Estimate</source>
        <translation>&amp;Schätzen</translation>
    </message>
    <message>
        <source>&amp;Cooling Curve</source>
        <translation>&amp;Abkühlungskurve</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>E&amp;xtras</translation>
    </message>
    <message>
        <source>&amp;Degree Converter</source>
        <translation>&amp;Umrechner</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;About Quorrel</source>
        <translation>Ü&amp;ber Quorrel</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;New Case</source>
        <translation>&amp;Neuer Fall</translation>
    </message>
    <message>
        <source>&amp;Open Case…</source>
        <translation>Fall ö&amp;ffnen…</translation>
    </message>
    <message>
        <source>&amp;Save Case</source>
        <translation>Fall &amp;speichern</translation>
    </message>
    <message>
        <source>Save Case &amp;As…</source>
        <translation>Fall speichern &amp;unter…</translation>
    </message>
    <message>
        <source>&amp;Export Case Sheet as PDF…</source>
        <translation>Fallblatt als &amp;PDF exportieren…</translation>
    </message>
    <message>
        <source>&amp;Print Case Sheet…</source>
        <translation>Fallblatt &amp;drucken…</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Be&amp;enden</translation>
    </message>
    <message>
        <source>Please enter the Time the Corpse was found</source>
        <translation>Bitte die Auffindezeit des Leichnams eingeben</translation>
    </message>
    <message>
        <source>Set Time</source>
        <translation>Zeit setzen</translation>
    </message>
    <message>
        <source>Time elapsed of 2nd Corpse Temperature reading (in hours):</source>
        <translation>Zeit bis zur 2. Messung der Körpertemperatur (in Stunden):</translation>
    </message>
    <message>
        <source>Estimated Time Of Death:</source>
        <translation>Geschätzter Todeszeitpunkt:</translation>
    </message>
    <message>
        <source>&amp;Calculate</source>
        <translation>&amp;Berechnen</translation>
    </message>
    <message>
        <source>C&amp;lear</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Time the Corpse was found</source>
        <translation>Auffindezeit des Leichnams</translation>
    </message>
    <message>
        <source>Picture of a clock and a cooling curve</source>
        <translation>Bild einer Uhr und einer Abkühlungskurve</translation>
    </message>
    <message>
        <source>Incomplete Selection</source>
        <translation>Unvollständige Auswahl</translation>
    </message>
    <message>
        <source>Please revise the following fields: %1 %2 %3 %4</source>
        <extracomment>%1 to %4 name the lists left unpicked (Hour, Minute, Second, AM/PM), each empty where its list was picked.</extracomment>
        <translation>Bitte prüfen Sie folgende Felder: %1 %2 %3 %4</translation>
    </message>
    <message>
        <source>Error - Input Type</source>
        <translation>Fehler - Eingabetyp</translation>
    </message>
    <message>
        <source>Enter numeric values only.</source>
        <translation>Geben Sie nur Zahlen ein.</translation>
    </message>
    <message>
        <source>Invalid Data</source>
        <translation>Ungültige Daten</translation>
    </message>
    <message>
        <source>The data you entered would produce Non-real results.
Please check your entries.</source>
        <translation>Die eingegebenen Daten würden keine reellen Ergebnisse liefern.
Bitte prüfen Sie Ihre Eingaben.</translation>
    </message>
    <message>
        <source>%1 °F:</source>
        <extracomment>A label: %1 is an entry&apos;s name (&quot;Ambient Room Temperature&quot;), then its unit.</extracomment>
        <translation>%1 °F:</translation>
    </message>
    <message>
        <source>Hour</source>
        <comment>what the hour list shows while none is picked</comment>
        <translation>Std.</translation>
    </message>
    <message>
        <source>Minute</source>
        <comment>what the minute list shows while none is picked</comment>
        <translation>Min.</translation>
    </message>
    <message>
        <source>Second</source>
        <comment>what the second list shows while none is picked</comment>
        <translation>Sek.</translation>
    </message>
    <message>
        <source>Temperatures in °&amp;C</source>
        <translation>Temperaturen in °&amp;C</translation>
    </message>
    <message>
        <source>%1 °C:</source>
        <extracomment>A label: %1 is an entry&apos;s name (&quot;Ambient Room Temperature&quot;), then its unit.</extracomment>
        <translation>%1 °C:</translation>
    </message>
    <message>
        <source>%1: %2 °F is %3 °C to four decimals.</source>
        <extracomment>An entry converted with rounding: %1 its name, %2 the °F typed, %3 the °C shown.</extracomment>
        <translation>%1: %2 °F sind auf vier Dezimalstellen %3 °C.</translation>
    </message>
    <message>
        <source>The typed temperatures were converted to °C.</source>
        <translation>Die eingegebenen Temperaturen wurden in °C umgerechnet.</translation>
    </message>
    <message>
        <source>The typed temperatures were converted to °F.</source>
        <translation>Die eingegebenen Temperaturen wurden in °F umgerechnet.</translation>
    </message>
    <message>
        <source>Temperatures in Another Unit</source>
        <translation>Temperaturen in einer anderen Einheit</translation>
    </message>
    <message>
        <source>The estimates were made again from the converted values.</source>
        <translation>Die Schätzungen wurden aus den umgerechneten Werten neu erstellt.</translation>
    </message>
    <message>
        <source>%1: could not be made again from the converted values; it is no longer shown.</source>
        <extracomment>%1 names a method (&quot;Henssge&apos;s nomogram&quot;).</extracomment>
        <translation>%1: konnte aus den umgerechneten Werten nicht neu erstellt werden und wird nicht mehr angezeigt.</translation>
    </message>
    <message>
        <source>%1: now %2, was %3.</source>
        <extracomment>%1 names a method, %2 and %3 are times of death.</extracomment>
        <translation>%1: jetzt %2, zuvor %3.</translation>
    </message>
    <message>
        <source>%1: %2 is no number, so it was left as typed.</source>
        <extracomment>%1 names an entry, %2 is what was typed in it.</extracomment>
        <translation>%1: %2 ist keine Zahl und blieb deshalb wie eingegeben.</translation>
    </message>
</context>
<context>
    <name>quorrel::ui::frmSigns</name>
    <message>
        <source>Combine reads the time found from the main window, and the nomogram&apos;s %1 interval where the Henssge window estimated one.</source>
        <extracomment>%1 is a percentage (&quot;95 %&quot;).</extracomment>
        <translation>„Kombinieren“ liest die Auffindezeit aus dem Hauptfenster und das %1-Intervall des Nomogramms, sofern im Henssge-Fenster eines geschätzt wurde.</translation>
    </message>
    <message>
        <source>With a last sighting alive and a nomogram&apos;s estimate with %1 limits, Combine also gives the probability of death within the hours from the sighting to the discovery.</source>
        <extracomment>%1 is a percentage (&quot;95 %&quot;).</extracomment>
        <translation>Mit einer letzten Lebendsichtung und einer Nomogramm-Schätzung mit %1-Toleranzgrenzen gibt „Kombinieren“ auch die Wahrscheinlichkeit des Todes in der Zeit von der Sichtung bis zur Auffindung an.</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>A moment: %1 is a time of day, %2 its day (&quot;the day before discovery&quot;).</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Signs of Death - Halbrook</source>
        <extracomment>The window&apos;s caption; &quot; - Halbrook&quot; stays as it is.</extracomment>
        <translation>Leichenerscheinungen - Halbrook</translation>
    </message>
    <message>
        <source>&amp;Examined at:</source>
        <translation>&amp;Untersucht um:</translation>
    </message>
    <message>
        <source>&amp;Last seen alive:</source>
        <translation>&amp;Zuletzt lebend gesehen:</translation>
    </message>
    <message>
        <source>not known</source>
        <extracomment>Shown in the empty box of the last sighting.</extracomment>
        <translation>unbekannt</translation>
    </message>
    <message>
        <source>A time of day such as 2:30 AM.</source>
        <translation>Eine Uhrzeit wie 2:30 AM.</translation>
    </message>
    <message>
        <source>A time of day such as 2:30 AM. Empty where it is not known.</source>
        <translation>Eine Uhrzeit wie 2:30 AM. Leer, wenn unbekannt.</translation>
    </message>
    <message>
        <source>Day of the examination</source>
        <translation>Tag der Untersuchung</translation>
    </message>
    <message>
        <source>Day of the last sighting</source>
        <translation>Tag der letzten Lebendsichtung</translation>
    </message>
    <message>
        <source>Signs found at the examination (bounds from %1, unless noted):</source>
        <extracomment>%1 is the publication most bounds come from.</extracomment>
        <translation>Befunde bei der Untersuchung (Grenzen nach %1, wo nicht anders vermerkt):</translation>
    </message>
    <message>
        <source>%1:</source>
        <extracomment>A sign&apos;s label beside its list; %1 is the sign (&quot;Rigor mortis&quot;).</extracomment>
        <translation>%1:</translation>
    </message>
    <message>
        <source>Not examined</source>
        <translation>Nicht untersucht</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A sign&apos;s list as a screen reader names it: %1 is the sign, %2 its pick.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1. %2</source>
        <extracomment>A sign&apos;s list as a screen reader describes it: %1 is its pick, %2 where the sign&apos;s bounds come from.</extracomment>
        <translation>%1. %2</translation>
    </message>
    <message>
        <source>&amp;Combine</source>
        <translation>&amp;Kombinieren</translation>
    </message>
    <message>
        <source>Probability of death &amp;between:</source>
        <translation>&amp;Wahrscheinlichkeit des Todes zwischen:</translation>
    </message>
    <message>
        <source>a&amp;nd</source>
        <translation>u&amp;nd</translation>
    </message>
    <message>
        <source>&amp;Probability</source>
        <translation>&amp;Berechnen</translation>
    </message>
    <message>
        <source>Where the window begins. A time of day such as 10:00 AM, its day in the list beside it, between the last sighting and the discovery.</source>
        <translation>Beginn des Zeitfensters. Eine Uhrzeit wie 10:00 AM, ihr Tag in der Liste daneben, zwischen der letzten Lebendsichtung und der Auffindung.</translation>
    </message>
    <message>
        <source>Where the window ends. A time of day such as 10:00 AM, its day in the list beside it, between the last sighting and the discovery.</source>
        <translation>Ende des Zeitfensters. Eine Uhrzeit wie 10:00 AM, ihr Tag in der Liste daneben, zwischen der letzten Lebendsichtung und der Auffindung.</translation>
    </message>
    <message>
        <source>Day the window begins</source>
        <translation>Tag, an dem das Zeitfenster beginnt</translation>
    </message>
    <message>
        <source>Day the window ends</source>
        <translation>Tag, an dem das Zeitfenster endet</translation>
    </message>
    <message>
        <source>The probability of death between the two times, from each estimate cut to the hours between the last sighting and the discovery</source>
        <translation>Die Wahrscheinlichkeit des Todes zwischen den beiden Zeitpunkten, aus jeder Schätzung, beschränkt auf die Zeit zwischen der letzten Lebendsichtung und der Auffindung</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Signs of Death</source>
        <translation>Leichenerscheinungen</translation>
    </message>
    <message>
        <source>Examined at: enter a time of day such as 2:30 AM or 2:30:00 AM.</source>
        <translation>Untersucht um: Geben Sie eine Uhrzeit wie 2:30 AM oder 2:30:00 AM ein.</translation>
    </message>
    <message>
        <source>Last seen alive: enter a time of day such as 2:30 AM or 2:30:00 AM, or leave it empty where it is not known.</source>
        <translation>Zuletzt lebend gesehen: Geben Sie eine Uhrzeit wie 2:30 AM oder 2:30:00 AM ein, oder lassen Sie das Feld leer, wenn sie unbekannt ist.</translation>
    </message>
    <message>
        <source>Probability of death between: enter a time of day such as 2:30 AM or 2:30:00 AM.</source>
        <translation>Wahrscheinlichkeit des Todes zwischen: Geben Sie eine Uhrzeit wie 2:30 AM oder 2:30:00 AM ein.</translation>
    </message>
    <message>
        <source>Probability of death between … and: enter a time of day such as 2:30 AM or 2:30:00 AM.</source>
        <translation>Wahrscheinlichkeit des Todes zwischen … und: Geben Sie eine Uhrzeit wie 2:30 AM oder 2:30:00 AM ein.</translation>
    </message>
    <message>
        <source>The window, from %1 to %2, ends no later than it begins. Enter the earlier time first.</source>
        <extracomment>%1 and %2 are moments, each a time of day with its day.</extracomment>
        <translation>Das Zeitfenster von %1 bis %2 endet nicht nach seinem Beginn. Geben Sie zuerst den früheren Zeitpunkt ein.</translation>
    </message>
    <message>
        <source>The window, from %1 to %2, reaches outside the hours between the last sighting alive, at %3, and the discovery, at %4 the day of discovery. Enter times within them.</source>
        <extracomment>%1 to %3 are moments, each a time of day with its day; %4 a time of day.</extracomment>
        <translation>Das Zeitfenster von %1 bis %2 reicht über die Zeit zwischen der letzten Lebendsichtung um %3 und der Auffindung um %4 am Tag der Auffindung hinaus. Geben Sie Zeitpunkte innerhalb dieser Zeit ein.</translation>
    </message>
</context>
<context>
    <name>quorrel::ui::frmTemps</name>
    <message>
        <source>out of range</source>
        <extracomment>In place of a converted temperature the range of numbers cannot hold.</extracomment>
        <translation>außerhalb des Bereichs</translation>
    </message>
    <message>
        <source>Degree Conversions - Halbrook</source>
        <extracomment>The window&apos;s caption; &quot; - Halbrook&quot; stays as it is.</extracomment>
        <translation>Temperaturumrechnung - Halbrook</translation>
    </message>
    <message>
        <source>Convert temperatures between Degrees Celsius and Fahrenheit</source>
        <translation>Temperaturen zwischen Grad Celsius und Fahrenheit umrechnen</translation>
    </message>
    <message>
        <source>Degrees</source>
        <extracomment>What the list of scales shows while none is picked.</extracomment>
        <translation>Grad</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Scale of the typed temperature</source>
        <translation>Skala der eingegebenen Temperatur</translation>
    </message>
    <message>
        <source>Picture of a thermometer</source>
        <translation>Bild eines Thermometers</translation>
    </message>
</context>
</TS>
