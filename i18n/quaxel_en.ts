<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="de">
<context>
    <name>BlinkModel</name>
    <message>
        <source>Ungültige Eingabe.<byte value="xd"/>Zugelassen sind nur Zahlen im Werte-Bereich 1..</source>
        <translation>Invalid entry.<byte value="xd"/>Only numbers in the range 1..</translation>
    </message>
</context>
<context>
    <name>BlinkPatternView</name>
    <message>
        <source>Parameter für ...</source>
        <translation>Settings for ...</translation>
    </message>
    <message>
        <source>Adresse %1</source>
        <translation>Address %1</translation>
    </message>
    <message>
        <source>Auswahl, für welche Adresse die Angezeigten Parameter gültig sind</source>
        <translation>Chooses the address the settings shown apply to</translation>
    </message>
    <message>
        <source>Loop</source>
        <translation>Loop</translation>
    </message>
    <message>
        <source>Ablauf wieder immer wieder neu gestartet</source>
        <translation>The sequence starts over again and again</translation>
    </message>
    <message>
        <source>Stretch-Faktor</source>
        <translation>Stretch factor</translation>
    </message>
    <message>
        <source>ermöglicht es, den Ablauf zu Verlangsamen</source>
        <translation>slows the sequence down</translation>
    </message>
    <message>
        <source>Anzahl Punkte</source>
        <translation>Points</translation>
    </message>
    <message>
        <source>Anzahl der Kurven-Punkte</source>
        <translation>Number of points of the curve</translation>
    </message>
    <message>
        <source>Kurve kopieren</source>
        <translation>Copy curve</translation>
    </message>
    <message>
        <source>von #%1</source>
        <translation>from #%1</translation>
    </message>
    <message>
        <source>Kopieren der Kurvenformen von Adresse %1</source>
        <translation>Copies the curves of address %1</translation>
    </message>
    <message>
        <source>Verwerfen</source>
        <translation>Discard</translation>
    </message>
    <message>
        <source>Übernehmen</source>
        <translation>Accept</translation>
    </message>
    <message>
        <source>Spielt das Muster der gezeigten Adresse in Echtzeit ab</source>
        <translation>Plays the pattern of the shown address in real time</translation>
    </message>
    <message>
        <source>Ausgang %1 beim Abspielen</source>
        <translation>Output %1 while playing</translation>
    </message>
</context>
<context>
    <name>BlinkPatterns</name>
    <message>
        <source>Zeit-Raster = </source>
        <translation>Time step = </translation>
    </message>
    <message>
        <source> ms</source>
        <translation> ms</translation>
    </message>
    <message>
        <source>Gesamtzeit = </source>
        <translation>Total time = </translation>
    </message>
</context>
<context>
    <name>ByteEntry</name>
    <message>
        <source>Ungültige Eingabe.<byte value="xd"/>Zugelassen sind nur Zahlen</source>
        <translation>Invalid entry.<byte value="xd"/>Only numbers are allowed</translation>
    </message>
</context>
<context>
    <name>CurveEditor</name>
    <message>
        <source>Ungültige Eingabe.<byte value="xd"/>Zugelassen sind nur Zahlen im Werte-Bereich 1..%1</source>
        <translation>Invalid entry.<byte value="xd"/>Only numbers in the range 1..%1</translation>
    </message>
    <message>
        <source>wie Adr.%1</source>
        <translation>as addr. %1</translation>
    </message>
    <message>
        <source>Zeit zwischen 2 Punkten = %1 ms</source>
        <translation>Time between 2 points = %1 ms</translation>
    </message>
    <message>
        <source>Gesamtzeit für diese Kurve = %1 ms</source>
        <translation>Total time of this curve = %1 ms</translation>
    </message>
    <message>
        <source>Taster %1 close</source>
        <translation>Button %1 close</translation>
    </message>
    <message>
        <source>Taster %1 open</source>
        <translation>Button %1 open</translation>
    </message>
    <message>
        <source>keine Aktion</source>
        <translation>no action</translation>
    </message>
    <message>
        <source>Adr.-Lernen</source>
        <translation>Learn addr.</translation>
    </message>
</context>
<context>
    <name>CurveFiles</name>
    <message>
        <source>Dieses File enthält ungültige Zeichen (kein Zahlenwert) in Zeile %1</source>
        <translation>This file holds invalid characters (not a number) in line %1</translation>
    </message>
    <message>
        <source>Nur die ersten 100 Zeilen dieses File werden verwendet</source>
        <translation>Only the first 100 lines of this file are used</translation>
    </message>
    <message>
        <source>Dieses File hat zu viele Zeilen (max. 512)</source>
        <translation>This file has too many lines (max. 512)</translation>
    </message>
    <message>
        <source>Dieses File enthält einen Wert außerhalb von 0 bis 255 in Zeile %1</source>
        <translation>This file holds a value outside 0 to 255 in line %1</translation>
    </message>
    <message>
        <source>Dieses File ist leer</source>
        <translation>This file is empty</translation>
    </message>
    <message>
        <source>Dieses File endet nach Zeile %1; %2 Zeilen erwartet</source>
        <translation>This file ends after line %1; %2 lines expected</translation>
    </message>
</context>
<context>
    <name>CurvePlayback</name>
    <message>
        <source>Spielt die gezeigte Kurve in Echtzeit ab</source>
        <translation>Plays the shown curve in real time</translation>
    </message>
    <message>
        <source>Wiederholen</source>
        <translation>Repeat</translation>
    </message>
    <message>
        <source>Die Kurve immer wieder abspielen</source>
        <translation>Play the curve again and again</translation>
    </message>
    <message>
        <source>Relais beim Abspielen</source>
        <translation>Relay while playing</translation>
    </message>
</context>
<context>
    <name>CurveShapes</name>
    <message>
        <source>Ungültige Eingabe.<byte value="xd"/>Zugelassen sind nur Zahlen im Werte-Bereich 0.1 .. 10</source>
        <translation>Invalid entry.<byte value="xd"/>Only numbers in the range 0.1 .. 10</translation>
    </message>
    <message>
        <source>Ungültige Eingabe.<byte value="xd"/>Zugelassen sind nur Zahlen im Werte-Bereich -100 .. 100</source>
        <translation>Invalid entry.<byte value="xd"/>Only numbers in the range -100 .. 100</translation>
    </message>
</context>
<context>
    <name>CurveTimeline</name>
    <message>
        <source>Position = %1</source>
        <translation>Position = %1</translation>
    </message>
    <message>
        <source>Position = %1, Impuls-Zeit = %2 ms</source>
        <translation>Position = %1, pulse time = %2 ms</translation>
    </message>
</context>
<context>
    <name>CvTable</name>
    <message>
        <source>CV1: Kurze Adresse</source>
        <translation>CV1: Short address</translation>
    </message>
    <message>
        <source>CV15: Dekoder Sperren</source>
        <translation>CV15: Decoder lock</translation>
    </message>
    <message>
        <source>CV16: Dekoder Sperren</source>
        <translation>CV16: Decoder lock</translation>
    </message>
    <message>
        <source>CV17: Lange Adresse L</source>
        <translation>CV17: Long address L</translation>
    </message>
    <message>
        <source>CV18: Lange Adresse H</source>
        <translation>CV18: Long address H</translation>
    </message>
    <message>
        <source>CV29: Konfiguration</source>
        <translation>CV29: Configuration</translation>
    </message>
    <message>
        <source>CV48: Dekoder Betriebsart 1</source>
        <translation>CV48: Decoder mode 1</translation>
    </message>
    <message>
        <source>CV50: Verzögerung 1</source>
        <translation>CV50: Delay 1</translation>
    </message>
    <message>
        <source>CV52: PWM-Wert 1</source>
        <translation>CV52: PWM value 1</translation>
    </message>
    <message>
        <source>CV53: PWM-Wert 2</source>
        <translation>CV53: PWM value 2</translation>
    </message>
    <message>
        <source>CV54: Länge Neon-Effekt</source>
        <translation>CV54: Neon effect length</translation>
    </message>
    <message>
        <source>CV61: Blinker Frequenz</source>
        <translation>CV61: Indicator frequency</translation>
    </message>
    <message>
        <source>CV62: Bremslicht Dauer</source>
        <translation>CV62: Brake light time</translation>
    </message>
    <message>
        <source>CV63: Bremslicht Schwelle</source>
        <translation>CV63: Brake light threshold</translation>
    </message>
    <message>
        <source>CV64: Bremslicht Dauer Stand</source>
        <translation>CV64: Brake light time at stop</translation>
    </message>
    <message>
        <source>CV115: LISSY: Zug-Kategorie (1-4)</source>
        <translation>CV115: LISSY: train category (1-4)</translation>
    </message>
    <message>
        <source>CV140: Mapping Befehl 1</source>
        <translation>CV140: Mapping command 1</translation>
    </message>
    <message>
        <source>CV141: Mapping Befehl 2</source>
        <translation>CV141: Mapping command 2</translation>
    </message>
    <message>
        <source>CV142: Mapping Befehl 3</source>
        <translation>CV142: Mapping command 3</translation>
    </message>
    <message>
        <source>CV143: Mapping Befehl 4</source>
        <translation>CV143: Mapping command 4</translation>
    </message>
    <message>
        <source>CV144: Mapping Befehl 5</source>
        <translation>CV144: Mapping command 5</translation>
    </message>
    <message>
        <source>CV150: Betriebs-Art Out 1</source>
        <translation>CV150: Mode of Out 1</translation>
    </message>
    <message>
        <source>CV151: Betriebs-Art Out 2</source>
        <translation>CV151: Mode of Out 2</translation>
    </message>
    <message>
        <source>CV152: Betriebs-Art Out 3</source>
        <translation>CV152: Mode of Out 3</translation>
    </message>
    <message>
        <source>CV153: Betriebs-Art Out 4</source>
        <translation>CV153: Mode of Out 4</translation>
    </message>
</context>
<context>
    <name>DecoderSession</name>
    <message>
        <source>Das HEX-File konnte leider nicht erkannt werden</source>
        <translation>Sorry, the HEX file could not be recognised</translation>
    </message>
    <message>
        <source>Problem bei der Checksummen-Berechnung</source>
        <translation>Problem calculating the checksum</translation>
    </message>
</context>
<context>
    <name>DecoderTypes</name>
    <message>
        <source>Licht</source>
        <translation>Light</translation>
    </message>
    <message>
        <source>Step</source>
        <translation>Step</translation>
    </message>
    <message>
        <source>Turn (180°)</source>
        <translation>Turn (180°)</translation>
    </message>
    <message>
        <source>Drehrichtung</source>
        <translation>Direction</translation>
    </message>
    <message>
        <source>Weiche</source>
        <translation>Turnout</translation>
    </message>
    <message>
        <source>Blinken</source>
        <translation>Flashing</translation>
    </message>
    <message>
        <source>Signal</source>
        <translation>Signal</translation>
    </message>
    <message>
        <source>Weiche 1</source>
        <translation>Turnout 1</translation>
    </message>
    <message>
        <source>Weiche 2</source>
        <translation>Turnout 2</translation>
    </message>
    <message>
        <source>Links</source>
        <translation>Left</translation>
    </message>
    <message>
        <source>Mitte</source>
        <translation>Centre</translation>
    </message>
    <message>
        <source>Rechts</source>
        <translation>Right</translation>
    </message>
    <message>
        <source>Signal 1 grün</source>
        <translation>Signal 1 green</translation>
    </message>
    <message>
        <source>Signal 1 rot</source>
        <translation>Signal 1 red</translation>
    </message>
    <message>
        <source>Signal 2 grün</source>
        <translation>Signal 2 green</translation>
    </message>
    <message>
        <source>Signal 2 rot</source>
        <translation>Signal 2 red</translation>
    </message>
    <message>
        <source>Out 1</source>
        <translation>Out 1</translation>
    </message>
    <message>
        <source>Out 2</source>
        <translation>Out 2</translation>
    </message>
    <message>
        <source>Out 3</source>
        <translation>Out 3</translation>
    </message>
    <message>
        <source>Out 4</source>
        <translation>Out 4</translation>
    </message>
    <message>
        <source>VS Vmax</source>
        <translation>VS Vmax</translation>
    </message>
    <message>
        <source>VS Halt</source>
        <translation>VS Stop</translation>
    </message>
    <message>
        <source>VS 100</source>
        <translation>VS 100</translation>
    </message>
    <message>
        <source>VS 40/60</source>
        <translation>VS 40/60</translation>
    </message>
    <message>
        <source>HS Vmax</source>
        <translation>HS Vmax</translation>
    </message>
    <message>
        <source>HS Halt</source>
        <translation>HS Stop</translation>
    </message>
    <message>
        <source>HS 100/40/60</source>
        <translation>HS 100/40/60</translation>
    </message>
    <message>
        <source>Kennlicht</source>
        <translation>Marker light</translation>
    </message>
    <message>
        <source>Out 3 (FL)</source>
        <translation>Out 3 (FL)</translation>
    </message>
    <message>
        <source>Blink 1</source>
        <translation>Blink 1</translation>
    </message>
    <message>
        <source>Blink 2</source>
        <translation>Blink 2</translation>
    </message>
    <message>
        <source>Blink 3</source>
        <translation>Blink 3</translation>
    </message>
    <message>
        <source>Blink 4</source>
        <translation>Blink 4</translation>
    </message>
    <message>
        <source>Ein</source>
        <translation>On</translation>
    </message>
    <message>
        <source>Hell-Dunkel</source>
        <translation>Bright/dim</translation>
    </message>
    <message>
        <source>Out 5</source>
        <translation>Out 5</translation>
    </message>
    <message>
        <source>Out 6</source>
        <translation>Out 6</translation>
    </message>
    <message>
        <source>Out 7</source>
        <translation>Out 7</translation>
    </message>
    <message>
        <source>Out 8</source>
        <translation>Out 8</translation>
    </message>
    <message>
        <source>All</source>
        <translation>All</translation>
    </message>
    <message>
        <source>Weiche 3</source>
        <translation>Turnout 3</translation>
    </message>
    <message>
        <source>Weiche 4</source>
        <translation>Turnout 4</translation>
    </message>
    <message>
        <source>Out 9</source>
        <translation>Out 9</translation>
    </message>
    <message>
        <source>Out 10</source>
        <translation>Out 10</translation>
    </message>
    <message>
        <source>Signal 1</source>
        <translation>Signal 1</translation>
    </message>
    <message>
        <source>Signal 2</source>
        <translation>Signal 2</translation>
    </message>
    <message>
        <source>Signal 3</source>
        <translation>Signal 3</translation>
    </message>
    <message>
        <source>Signal 4</source>
        <translation>Signal 4</translation>
    </message>
    <message>
        <source>Signal 5</source>
        <translation>Signal 5</translation>
    </message>
    <message>
        <source>HP00</source>
        <translation>HP00</translation>
    </message>
    <message>
        <source>HP1</source>
        <translation>HP1</translation>
    </message>
    <message>
        <source>HP2</source>
        <translation>HP2</translation>
    </message>
    <message>
        <source>SH1</source>
        <translation>SH1</translation>
    </message>
    <message>
        <source>VR0</source>
        <translation>VR0</translation>
    </message>
    <message>
        <source>VR1</source>
        <translation>VR1</translation>
    </message>
    <message>
        <source>VR2</source>
        <translation>VR2</translation>
    </message>
    <message>
        <source>HALT</source>
        <translation>HALT</translation>
    </message>
    <message>
        <source>FB1</source>
        <translation>FB1</translation>
    </message>
    <message>
        <source>FB2</source>
        <translation>FB2</translation>
    </message>
    <message>
        <source>FB3</source>
        <translation>FB3</translation>
    </message>
    <message>
        <source>Warn</source>
        <translation>Warning</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>Nacht</source>
        <translation>Night</translation>
    </message>
    <message>
        <source>Grün</source>
        <translation>Green</translation>
    </message>
    <message>
        <source>Rot</source>
        <translation>Red</translation>
    </message>
    <message>
        <source>Lauf</source>
        <translation>Chaser</translation>
    </message>
    <message>
        <source>Leit</source>
        <translation>Guide</translation>
    </message>
    <message>
        <source>Foto</source>
        <translation>Photo</translation>
    </message>
    <message>
        <source>aus</source>
        <translation>off</translation>
    </message>
    <message>
        <source>Out 9 (FL)</source>
        <translation>Out 9 (FL)</translation>
    </message>
    <message>
        <source>Hp0</source>
        <translation>Hp0</translation>
    </message>
    <message>
        <source>Hp1</source>
        <translation>Hp1</translation>
    </message>
    <message>
        <source>Hp2</source>
        <translation>Hp2</translation>
    </message>
    <message>
        <source>Hp0+Zs</source>
        <translation>Hp0+Zs</translation>
    </message>
    <message>
        <source>Hp1+Zs3</source>
        <translation>Hp1+Zs3</translation>
    </message>
    <message>
        <source>Hp2+Zs3</source>
        <translation>Hp2+Zs3</translation>
    </message>
    <message>
        <source>Vr0</source>
        <translation>Vr0</translation>
    </message>
    <message>
        <source>Vr1</source>
        <translation>Vr1</translation>
    </message>
    <message>
        <source>Vr2</source>
        <translation>Vr2</translation>
    </message>
    <message>
        <source>Hp00</source>
        <translation>Hp00</translation>
    </message>
    <message>
        <source>Hp0+Sh1</source>
        <translation>Hp0+Sh1</translation>
    </message>
    <message>
        <source>Halt</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Frei</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>Frei 40</source>
        <translation>Clear 40</translation>
    </message>
    <message>
        <source>Frei 60</source>
        <translation>Clear 60</translation>
    </message>
    <message>
        <source>Frei 40/60</source>
        <translation>Clear 40/60</translation>
    </message>
    <message>
        <source>Verschub</source>
        <translation>Shunting</translation>
    </message>
    <message>
        <source>Ersatz</source>
        <translation>Substitute</translation>
    </message>
    <message>
        <source>HS 40</source>
        <translation>HS 40</translation>
    </message>
    <message>
        <source>HS 60</source>
        <translation>HS 60</translation>
    </message>
    <message>
        <source>HS 100</source>
        <translation>HS 100</translation>
    </message>
    <message>
        <source>HS Zs1</source>
        <translation>HS Zs1</translation>
    </message>
    <message>
        <source>HS Ra12</source>
        <translation>HS Ra12</translation>
    </message>
    <message>
        <source>VS 40</source>
        <translation>VS 40</translation>
    </message>
    <message>
        <source>VS 60</source>
        <translation>VS 60</translation>
    </message>
    <message>
        <source>VS Zs1</source>
        <translation>VS Zs1</translation>
    </message>
    <message>
        <source>VS Ra12</source>
        <translation>VS Ra12</translation>
    </message>
    <message>
        <source>HS Ersatz</source>
        <translation>HS Subst.</translation>
    </message>
    <message>
        <source>HS Rangier</source>
        <translation>HS Shunt</translation>
    </message>
    <message>
        <source>VS Ersatz</source>
        <translation>VS Subst.</translation>
    </message>
    <message>
        <source>VS Rangier</source>
        <translation>VS Shunt</translation>
    </message>
    <message>
        <source>HS Hp0</source>
        <translation>HS Hp0</translation>
    </message>
    <message>
        <source>HS Ks1</source>
        <translation>HS Ks1</translation>
    </message>
    <message>
        <source>HS Ks1/Zs3</source>
        <translation>HS Ks1/Zs3</translation>
    </message>
    <message>
        <source>HS Ks1/Zs1</source>
        <translation>HS Ks1/Zs1</translation>
    </message>
    <message>
        <source>HS Ks1/Sh1</source>
        <translation>HS Ks1/Sh1</translation>
    </message>
    <message>
        <source>HS Ks1/Zs7</source>
        <translation>HS Ks1/Zs7</translation>
    </message>
    <message>
        <source>HS Kennl.</source>
        <translation>HS Marker</translation>
    </message>
    <message>
        <source>VS Ks2</source>
        <translation>VS Ks2</translation>
    </message>
    <message>
        <source>VS Ks1</source>
        <translation>VS Ks1</translation>
    </message>
    <message>
        <source>VS Ks1/Zs3v</source>
        <translation>VS Ks1/Zs3v</translation>
    </message>
    <message>
        <source>VS KS2</source>
        <translation>VS KS2</translation>
    </message>
    <message>
        <source>VS Dunkel</source>
        <translation>VS Dark</translation>
    </message>
    <message>
        <source>C - Stop Carré</source>
        <translation>C - Stop Carré</translation>
    </message>
    <message>
        <source>S - red</source>
        <translation>S - red</translation>
    </message>
    <message>
        <source>(S) - red flash.</source>
        <translation>(S) - red flash.</translation>
    </message>
    <message>
        <source>VL - green</source>
        <translation>VL - green</translation>
    </message>
    <message>
        <source>(VL) - green flash.</source>
        <translation>(VL) - green flash.</translation>
    </message>
    <message>
        <source>Cv - violet</source>
        <translation>Cv - violet</translation>
    </message>
    <message>
        <source>M - white</source>
        <translation>M - white</translation>
    </message>
    <message>
        <source>(M) - white flash.</source>
        <translation>(M) - white flash.</translation>
    </message>
    <message>
        <source>A - yellow</source>
        <translation>A - yellow</translation>
    </message>
    <message>
        <source>(A) - yellow flash.</source>
        <translation>(A) - yellow flash.</translation>
    </message>
    <message>
        <source>30 R - slow</source>
        <translation>30 R - slow</translation>
    </message>
    <message>
        <source>60 (R) - slow</source>
        <translation>60 (R) - slow</translation>
    </message>
    <message>
        <source>30 RR - remember</source>
        <translation>30 RR - remember</translation>
    </message>
    <message>
        <source>60 (RR) - remember</source>
        <translation>60 (RR) - remember</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Ride on Sight</source>
        <translation>Ride on Sight</translation>
    </message>
    <message>
        <source>reduce to 30</source>
        <translation>reduce to 30</translation>
    </message>
    <message>
        <source>reduce to x</source>
        <translation>reduce to x</translation>
    </message>
    <message>
        <source>pass with 40</source>
        <translation>pass with 40</translation>
    </message>
    <message>
        <source>pass with x</source>
        <translation>pass with x</translation>
    </message>
    <message>
        <source>pass</source>
        <translation>pass</translation>
    </message>
    <message>
        <source>Hp1 + Zs3 + Zs6</source>
        <translation>Hp1 + Zs3 + Zs6</translation>
    </message>
    <message>
        <source>Hp2 + Zs3 + Zs6</source>
        <translation>Hp2 + Zs3 + Zs6</translation>
    </message>
    <message>
        <source>Hp0 + Sh1</source>
        <translation>Hp0 + Sh1</translation>
    </message>
    <message>
        <source>Hp0 + Zs7</source>
        <translation>Hp0 + Zs7</translation>
    </message>
    <message>
        <source>Hp0 + Zs8</source>
        <translation>Hp0 + Zs8</translation>
    </message>
    <message>
        <source>Weg 1</source>
        <translation>Route 1</translation>
    </message>
    <message>
        <source>Weg 2</source>
        <translation>Route 2</translation>
    </message>
    <message>
        <source>Vr0 Weg 1</source>
        <translation>Vr0 route 1</translation>
    </message>
    <message>
        <source>Vr1 Weg 1</source>
        <translation>Vr1 route 1</translation>
    </message>
    <message>
        <source>Vr2 Weg 2</source>
        <translation>Vr2 route 2</translation>
    </message>
    <message>
        <source>Vr0 Weg 2</source>
        <translation>Vr0 route 2</translation>
    </message>
    <message>
        <source>Vr1 Weg 2</source>
        <translation>Vr1 route 2</translation>
    </message>
    <message>
        <source>Dunkel EIN</source>
        <translation>Dark ON</translation>
    </message>
    <message>
        <source>Dunkel AUS</source>
        <translation>Dark OFF</translation>
    </message>
    <message>
        <source>Adresse 01</source>
        <translation>Address 01</translation>
    </message>
    <message>
        <source>Adresse 02</source>
        <translation>Address 02</translation>
    </message>
    <message>
        <source>Adresse 03</source>
        <translation>Address 03</translation>
    </message>
    <message>
        <source>Adresse 04</source>
        <translation>Address 04</translation>
    </message>
    <message>
        <source>Adresse 05</source>
        <translation>Address 05</translation>
    </message>
    <message>
        <source>Adresse 06</source>
        <translation>Address 06</translation>
    </message>
    <message>
        <source>Adresse 07</source>
        <translation>Address 07</translation>
    </message>
    <message>
        <source>Adresse 08</source>
        <translation>Address 08</translation>
    </message>
    <message>
        <source>Muster 1</source>
        <translation>Pattern 1</translation>
    </message>
    <message>
        <source>Muster 2</source>
        <translation>Pattern 2</translation>
    </message>
    <message>
        <source>Muster 3</source>
        <translation>Pattern 3</translation>
    </message>
    <message>
        <source>Muster 4</source>
        <translation>Pattern 4</translation>
    </message>
</context>
<context>
    <name>DesktopLanguage</name>
    <message>
        <source>de_DE</source>
        <translation>en_US</translation>
    </message>
    <message>
        <source>d. MMMM yyyy</source>
        <translation>MMMM d, yyyy</translation>
    </message>
    <message>
        <source>dd.MM.yyyy HH:mm:ss</source>
        <translation>MMMM d, yyyy, h:mm:ss AP</translation>
    </message>
</context>
<context>
    <name>EditHistory</name>
    <message>
        <source>Rückgängig</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>Wiederholen</source>
        <translation>Redo</translation>
    </message>
</context>
<context>
    <name>EditorFrameHost</name>
    <message>
        <source>Geänderte Werte übernehmen?</source>
        <translation>Apply the changed values?</translation>
    </message>
</context>
<context>
    <name>FileActions</name>
    <message>
        <source>Ungespeicherte Änderungen an %1 verwerfen?</source>
        <translation>Discard the unsaved changes to %1?</translation>
    </message>
    <message>
        <source>Gespeichert und geprüft: %1</source>
        <translation>Saved and verified: %1</translation>
    </message>
    <message>
        <source>Die geladene Datei war beschädigt (%1). Mit neuen Prüfsummen speichern?</source>
        <translation>The loaded file was damaged (%1). Save it with new checksums?</translation>
    </message>
    <message>
        <source>%1 wurde von einem anderen Programm geändert, nachdem die wiederhergestellten Änderungen aufbewahrt wurden. Die Datei trotzdem ersetzen?</source>
        <translation>%1 was changed by another program after the restored changes were kept. Replace the file anyway?</translation>
    </message>
</context>
<context>
    <name>HexDamage</name>
    <message>
        <source>Die Datei ist vielleicht beschädigt: %1 Zeile(n) mit falscher Prüfsumme (erste: Zeile %2).</source>
        <translation>The file may be damaged: %1 line(s) with a wrong checksum (first: line %2).</translation>
    </message>
    <message>
        <source>Die Datei endet ohne End-Record; sie ist vielleicht abgeschnitten.</source>
        <translation>The file ends without an end record; it may be cut off.</translation>
    </message>
    <message>
        <source>Für %1 enthält die Datei keine Records: die angezeigten Einstellungen sind gelöschte Bytes (FF), und Speichern bringt sie nicht zurück.</source>
        <translation>The file holds no records for %1: the settings shown are erased bytes (FF), and saving does not bring them back.</translation>
    </message>
    <message>
        <source>Für %1 enthält die Datei keine Records; Speichern bringt sie nicht zurück.</source>
        <translation>The file holds no records for %1; saving does not bring them back.</translation>
    </message>
</context>
<context>
    <name>HexFile</name>
    <message>
        <source>Die gespeicherte Datei kann nicht zurückgelesen werden:
%1</source>
        <translation>The saved file cannot be read back:
%1</translation>
    </message>
    <message>
        <source>Die gespeicherte Datei kann nicht zurückgelesen werden:
%1
%2</source>
        <translation>The saved file cannot be read back:
%1
%2</translation>
    </message>
    <message>
        <source>fehlt</source>
        <translation>missing</translation>
    </message>
    <message>
        <source>Die gespeicherte Datei enthält andere Daten als gespeichert:
%1
%2: gespeichert %3, gelesen %4 (%5 Unterschiede)
Bitte nicht brennen!</source>
        <translation>The saved file holds other data than was saved:
%1
%2: saved %3, read %4 (%5 differences)
Please do not burn it!</translation>
    </message>
</context>
<context>
    <name>HexReader</name>
    <message>
        <source>%1: Zu viele Zeilen im File (mehr als %2): %3 Zeilen</source>
        <translation>%1: Too many lines in the file (more than %2): %3 lines</translation>
    </message>
    <message>
        <source>E200: Überschreitung ROM-Adressbereich</source>
        <translation>E200: Beyond the ROM address range</translation>
    </message>
    <message>
        <source>E201: Unerwartete Zeile: </source>
        <translation>E201: Unexpected line: </translation>
    </message>
    <message>
        <source>E202: Unerwarteter End File Record: </source>
        <translation>E202: Unexpected end-of-file record: </translation>
    </message>
    <message>
        <source>E203: Unerwartete Zeile im File: </source>
        <translation>E203: Unexpected line in the file: </translation>
    </message>
    <message>
        <source>E204: Unerwartete Zeile im File: </source>
        <translation>E204: Unexpected line in the file: </translation>
    </message>
    <message>
        <source>E205: Unerwarteter Extendet Linear Address Record: </source>
        <translation>E205: Unexpected extended linear address record: </translation>
    </message>
    <message>
        <source>E206: Unerwartete Zeile im File: </source>
        <translation>E206: Unexpected line in the file: </translation>
    </message>
    <message>
        <source>E208: Zeile kürzer als ihre Byte-Anzahl: </source>
        <translation>E208: Line shorter than its byte count: </translation>
    </message>
    <message>
        <source>E209: Überschreitung EEPROM-Adressbereich</source>
        <translation>E209: Beyond the EEPROM address range</translation>
    </message>
    <message>
        <source>E208: Die Datei endet mitten in einem Record (Zeile %1); sie ist wahrscheinlich abgeschnitten, etwa bei einem abgebrochenen Download.</source>
        <translation>E208: The file ends in the middle of a record (line %1); it was probably cut off, as by an interrupted download.</translation>
    </message>
    <message>
        <source>E208: Die Datei %1 endet mitten in einem Record (Zeile %2); sie ist wahrscheinlich abgeschnitten, etwa bei einem abgebrochenen Download.</source>
        <translation>E208: The file %1 ends in the middle of a record (line %2); it was probably cut off, as by an interrupted download.</translation>
    </message>
</context>
<context>
    <name>HexWriter</name>
    <message>
        <source>Das HEX-File kann nicht geschrieben werden: die ID &quot;%1&quot; hat nicht vier Stellen.</source>
        <translation>The HEX file cannot be written: the ID &quot;%1&quot; does not have four digits.</translation>
    </message>
    <message>
        <source>Das HEX-File kann nicht geschrieben werden: der Config-Wert &quot;%1&quot; ist keine vierstellige Hex-Zahl.</source>
        <translation>The HEX file cannot be written: the config value &quot;%1&quot; is not a four-digit hex number.</translation>
    </message>
</context>
<context>
    <name>InfoListing</name>
    <message>
        <source> gefundene Unterschiede </source>
        <translation> differences found </translation>
    </message>
    <message>
        <source>im EEprom</source>
        <translation>in the EEPROM</translation>
    </message>
    <message>
        <source>im ROM</source>
        <translation>in the ROM</translation>
    </message>
    <message>
        <source>in ID</source>
        <translation>in the ID</translation>
    </message>
    <message>
        <source>in Config</source>
        <translation>in the config</translation>
    </message>
    <message>
        <source>E200: Überschreitung ROM-Adressbereich</source>
        <translation>E200: Beyond the ROM address range</translation>
    </message>
    <message>
        <source>E301: Unerwartete Zeile: </source>
        <translation>E301: Unexpected line: </translation>
    </message>
    <message>
        <source>E302: Unerwarteter End File Record: </source>
        <translation>E302: Unexpected end-of-file record: </translation>
    </message>
    <message>
        <source>E303: Unerwartete Zeile im File: </source>
        <translation>E303: Unexpected line in the file: </translation>
    </message>
    <message>
        <source>E304: Unerwartete Zeile im File: </source>
        <translation>E304: Unexpected line in the file: </translation>
    </message>
    <message>
        <source>E305: Unerwarteter Extendet Linear Address Record: </source>
        <translation>E305: Unexpected extended linear address record: </translation>
    </message>
    <message>
        <source>E300: Unerwartete Zeile im File: </source>
        <translation>E300: Unexpected line in the file: </translation>
    </message>
    <message>
        <source>E308: Zeile kürzer als ihre Byte-Anzahl: </source>
        <translation>E308: Line shorter than its byte count: </translation>
    </message>
    <message>
        <source>E309: Überschreitung EEPROM-Adressbereich</source>
        <translation>E309: Beyond the EEPROM address range</translation>
    </message>
</context>
<context>
    <name>Inventory</name>
    <message>
        <source>der Ordner lässt sich nicht lesen: </source>
        <translation>the folder cannot be read: </translation>
    </message>
    <message>
        <source>
Geteilte Adressen:
</source>
        <translation>
Shared addresses:
</translation>
    </message>
    <message>
        <source>
Keine Adresse wird geteilt.
</source>
        <translation>
No address is shared.
</translation>
    </message>
</context>
<context>
    <name>KeptAttributes</name>
    <message>
        <source>eine Zugriffssteuerungsliste (ACL)</source>
        <translation>an access control list (ACL)</translation>
    </message>
    <message>
        <source>das erweiterte Attribut %1</source>
        <translation>the extended attribute %1</translation>
    </message>
    <message>
        <source>hat %1, das der Ersatz nicht behalten konnte (%2); sie wird nicht geschrieben</source>
        <translation>has %1, which the replacement could not keep (%2); it is not written</translation>
    </message>
    <message>
        <source>ihre erweiterten Attribute lassen sich nicht lesen (%1); sie wird nicht geschrieben</source>
        <translation>its extended attributes cannot be read (%1); it is not written</translation>
    </message>
    <message>
        <source>bekäme %1 von ihrem Ordner, das der Ersatz nicht entfernen konnte (%2); sie wird nicht geschrieben</source>
        <translation>would gain %1 from its folder, which the replacement could not remove (%2); it is not written</translation>
    </message>
</context>
<context>
    <name>Playback</name>
    <message>
        <source>Abspielen</source>
        <translation>Play</translation>
    </message>
    <message>
        <source>Stopp</source>
        <translation>Stop</translation>
    </message>
</context>
<context>
    <name>QuaxelApp</name>
    <message>
        <source>Quaxel - Editor für HEX-Dateien von Decoder-Firmware</source>
        <translation>Quaxel - editor for decoder firmware HEX files</translation>
    </message>
    <message>
        <source>HEX-Datei, die beim Start geladen wird</source>
        <translation>HEX file to load at start</translation>
    </message>
    <message>
        <source>Das Hauptfenster als PNG-Bild speichern und beenden.</source>
        <translation>Render the main window into a PNG picture and quit.</translation>
    </message>
    <message>
        <source>Mit --screenshot: Der gezeigte Editor spielt sein Muster oder seine Kurve ab, abgebildet MS Millisekunden nach dem Start.</source>
        <translation>With --screenshot: the shown editor plays its pattern or curve, pictured MS milliseconds after the start.</translation>
    </message>
    <message>
        <source>Das Datenblatt von FILE in eine PDF-Datei schreiben und beenden.</source>
        <translation>Write the data sheet of FILE into a PDF file and quit.</translation>
    </message>
    <message>
        <source>das Bild lässt sich nicht kodieren</source>
        <translation>the picture cannot be encoded</translation>
    </message>
    <message>
        <source>Schreiben fehlgeschlagen: %1</source>
        <translation>cannot write %1</translation>
    </message>
    <message>
        <source>kein Dateiname angegeben</source>
        <translation>no file name given</translation>
    </message>
    <message>
        <source>--play-at braucht --screenshot und eine Zahl von Millisekunden</source>
        <translation>--play-at needs --screenshot and a number of milliseconds</translation>
    </message>
</context>
<context>
    <name>RecentFilesPanel</name>
    <message>
        <source>HEX laden oder eine .hex-Datei hierher ziehen</source>
        <translation>Load HEX, or drop a .hex file here</translation>
    </message>
    <message>
        <source>Zuletzt geöffnet:</source>
        <translation>Recently opened:</translation>
    </message>
    <message>
        <source>Keine zuletzt geöffneten Dateien</source>
        <translation>No recently opened files</translation>
    </message>
</context>
<context>
    <name>RecoveryDocument</name>
    <message>
        <source>das Feld &quot;%1&quot; fehlt oder ist falsch</source>
        <translation>the field &quot;%1&quot; is missing or wrong</translation>
    </message>
    <message>
        <source>die Datei ist zu groß</source>
        <translation>the file is too big</translation>
    </message>
    <message>
        <source>die Datei ist keine Wiederherstellungsdatei</source>
        <translation>the file is no recovery file</translation>
    </message>
    <message>
        <source>die Version der Datei ist unbekannt</source>
        <translation>the file&apos;s version is not known</translation>
    </message>
    <message>
        <source>das Feld &quot;base&quot; fehlt oder ist falsch</source>
        <translation>the field &quot;base&quot; is missing or wrong</translation>
    </message>
    <message>
        <source>das Feld &quot;written&quot; fehlt oder ist falsch</source>
        <translation>the field &quot;written&quot; is missing or wrong</translation>
    </message>
</context>
<context>
    <name>RecoveryKeeper</name>
    <message>
        <source>der Ordner lässt sich nicht anlegen (%1)</source>
        <translation>the folder cannot be made (%1)</translation>
    </message>
    <message>
        <source>ist ein Link auf einen Ordner, den es nicht gibt</source>
        <translation>is a link to a folder that does not exist</translation>
    </message>
    <message>
        <source>der Ordner lässt sich nicht lesen (%1)</source>
        <translation>the folder cannot be read (%1)</translation>
    </message>
    <message>
        <source>ist %1, kein Ordner</source>
        <translation>is %1, not a folder</translation>
    </message>
    <message>
        <source>der Ordner lässt sich nicht privat machen (%1)</source>
        <translation>the folder cannot be made private (%1)</translation>
    </message>
    <message>
        <source>der Ordner ist nicht beschreibbar (%1)</source>
        <translation>the folder is not writable (%1)</translation>
    </message>
    <message>
        <source>der Ordner lässt sich nicht anlegen</source>
        <translation>the folder cannot be made</translation>
    </message>
    <message>
        <source>lässt sich nicht anlegen (%1)</source>
        <translation>cannot be made (%1)</translation>
    </message>
    <message>
        <source>lässt sich nicht privat machen (%1)</source>
        <translation>cannot be made private (%1)</translation>
    </message>
    <message>
        <source>ein anderes Fenster hält die Sperre</source>
        <translation>another window holds the lock</translation>
    </message>
    <message>
        <source>die Sperre lässt sich nicht anlegen: der Ordner ist nicht beschreibbar</source>
        <translation>the lock cannot be made: the folder is not writable</translation>
    </message>
    <message>
        <source>die Sperre lässt sich nicht nehmen</source>
        <translation>the lock cannot be taken</translation>
    </message>
    <message>
        <source>lässt sich nicht umbenennen (%1)</source>
        <translation>cannot be renamed (%1)</translation>
    </message>
    <message>
        <source>lässt sich nicht umbenennen: jeder neue Name ist vergeben</source>
        <translation>cannot be renamed: every new name is taken</translation>
    </message>
</context>
<context>
    <name>SafeFile</name>
    <message>
        <source>ein FIFO (benannte Pipe)</source>
        <translation>a FIFO (named pipe)</translation>
    </message>
    <message>
        <source>ein zeichenorientiertes Gerät</source>
        <translation>a character device</translation>
    </message>
    <message>
        <source>ein blockorientiertes Gerät</source>
        <translation>a block device</translation>
    </message>
    <message>
        <source>ein Socket</source>
        <translation>a socket</translation>
    </message>
    <message>
        <source>ein Ordner</source>
        <translation>a folder</translation>
    </message>
    <message>
        <source>ein symbolischer Link</source>
        <translation>a symbolic link</translation>
    </message>
    <message>
        <source>keine reguläre Datei</source>
        <translation>no regular file</translation>
    </message>
    <message>
        <source>ist %1, keine reguläre Datei; sie wird nicht gelesen</source>
        <translation>is %1, not a regular file; it is not read</translation>
    </message>
    <message>
        <source>ist zu groß (%1 Bytes): keine gültige Datei hat mehr als %2; sie wird nicht gelesen</source>
        <translation>is too big (%1 bytes): no valid file has more than %2; it is not read</translation>
    </message>
</context>
<context>
    <name>SafeSave</name>
    <message>
        <source>wurde von einem anderen Programm angelegt, während dieses sie schrieb; sie wird nicht ersetzt</source>
        <translation>was created by another program while this one was writing it; it is not replaced</translation>
    </message>
    <message>
        <source>ist %1, keine reguläre Datei; sie wird nicht ersetzt</source>
        <translation>is %1, not a regular file; it is not replaced</translation>
    </message>
    <message>
        <source>ist ein symbolischer Link auf eine Datei, die es nicht gibt; sie wird nicht geschrieben</source>
        <translation>is a symbolic link to a file that does not exist; it is not written</translation>
    </message>
    <message>
        <source>hat %1 harte Links; sie zu ersetzen trennte sie, daher wird sie nicht geschrieben</source>
        <translation>has %1 hard links; replacing it would split them, so it is not written</translation>
    </message>
    <message>
        <source>gehört Benutzer %1 und Gruppe %2, die der Ersatz nicht behalten konnte (%3); sie wird nicht geschrieben</source>
        <translation>belongs to user %1 and group %2, which the replacement could not keep (%3); it is not written</translation>
    </message>
    <message>
        <source>hat die Rechte %1, die der Ersatz nicht behalten konnte (%2); sie wird nicht geschrieben</source>
        <translation>has mode %1, which the replacement could not keep (%2); it is not written</translation>
    </message>
    <message>
        <source>
die Serie wurde nicht geschrieben: keine ihrer Dateien wurde geändert</source>
        <translation>
the series was not written: no file of it was changed</translation>
    </message>
    <message>
        <source>
die Serie ist nur zum Teil geschrieben: %1 ließ sich nicht wiederherstellen, wie es war</source>
        <translation>
the series is written only in part: %1 could not be put back as it was</translation>
    </message>
    <message>
        <source>die geschriebene Datei lässt sich nicht zurücklesen (%1); sie wird nicht gespeichert</source>
        <translation>the written file cannot be read back (%1); it is not saved</translation>
    </message>
    <message>
        <source>die geschriebene Datei liest sich mit anderen Bytes zurück; sie wird nicht gespeichert</source>
        <translation>the written file reads back different bytes; it is not saved</translation>
    </message>
</context>
<context>
    <name>ServoAssign</name>
    <message>
        <source>Adresse 01 ein</source>
        <translation>Address 01 on</translation>
    </message>
    <message>
        <source>Adresse 01 aus</source>
        <translation>Address 01 off</translation>
    </message>
    <message>
        <source>Adresse 02 ein</source>
        <translation>Address 02 on</translation>
    </message>
    <message>
        <source>Adresse 02 aus</source>
        <translation>Address 02 off</translation>
    </message>
    <message>
        <source>Adresse 01</source>
        <translation>Address 01</translation>
    </message>
    <message>
        <source>Adresse 02</source>
        <translation>Address 02</translation>
    </message>
    <message>
        <source>Adresse 03</source>
        <translation>Address 03</translation>
    </message>
    <message>
        <source>Adresse 04</source>
        <translation>Address 04</translation>
    </message>
    <message>
        <source>Adresse %1:</source>
        <translation>Address %1:</translation>
    </message>
</context>
<context>
    <name>ServoModel</name>
    <message>
        <source>es gibt keinen Servo %1</source>
        <translation>there is no servo %1</translation>
    </message>
    <message>
        <source>Offset %1 liegt außerhalb von %2..%3, dem Bereich der Impuls-Knöpfe</source>
        <translation>offset %1 is outside %2..%3, the range of the pulse buttons</translation>
    </message>
    <message>
        <source>Spanne %1 liegt außerhalb von 1..253, dem Bereich der Impuls-Knöpfe</source>
        <translation>span %1 is outside 1..253, the range of the pulse buttons</translation>
    </message>
</context>
<context>
    <name>SettingNames</name>
    <message>
        <source>ein</source>
        <translation>on</translation>
    </message>
    <message>
        <source>aus</source>
        <translation>off</translation>
    </message>
    <message>
        <source>Wert</source>
        <translation>Value</translation>
    </message>
    <message>
        <source>Wert %1</source>
        <translation>Value %1</translation>
    </message>
    <message>
        <source>Abschalten des Antriebes NUR nach TimeOut</source>
        <translation>Switch the motor off ONLY after the time-out</translation>
    </message>
    <message>
        <source>Mode Auswahl</source>
        <translation>Mode</translation>
    </message>
    <message>
        <source>Dumm Mode</source>
        <translation>Dumb mode</translation>
    </message>
    <message>
        <source>Mode-Umschaltung SPERREN</source>
        <translation>LOCK mode switching</translation>
    </message>
    <message>
        <source>Geschwindigkeit Überblendung (Fading)</source>
        <translation>Fading speed</translation>
    </message>
    <message>
        <source>Geschwindigkeit</source>
        <translation>Speed</translation>
    </message>
    <message>
        <source>Leuchtstufe DUNKEL</source>
        <translation>Level DIM</translation>
    </message>
    <message>
        <source>Leuchtstufe HELL</source>
        <translation>Level BRIGHT</translation>
    </message>
    <message>
        <source>Mindestanzahl (1..9)</source>
        <translation>Minimum (1..9)</translation>
    </message>
    <message>
        <source>Schritt %1</source>
        <translation>Step %1</translation>
    </message>
    <message>
        <source>Anzahl</source>
        <translation>Count</translation>
    </message>
    <message>
        <source>Stretch</source>
        <translation>Stretch</translation>
    </message>
    <message>
        <source>Loop</source>
        <translation>Loop</translation>
    </message>
    <message>
        <source>Ausgang %1 benutzt</source>
        <translation>Output %1 used</translation>
    </message>
    <message>
        <source>Blinkmuster Adresse %1</source>
        <translation>Blink pattern address %1</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Start Loop</source>
        <translation>Start loop</translation>
    </message>
    <message>
        <source>Abbruch</source>
        <translation>Abort</translation>
    </message>
    <message>
        <source>Beenden</source>
        <translation>Finish</translation>
    </message>
    <message>
        <source>Servo-Bedienung</source>
        <translation>Servo control</translation>
    </message>
    <message>
        <source>Lernen + Justage</source>
        <translation>Learn + adjust</translation>
    </message>
    <message>
        <source>Aktion</source>
        <translation>Action</translation>
    </message>
    <message>
        <source>Servo</source>
        <translation>Servo</translation>
    </message>
    <message>
        <source>Kurve</source>
        <translation>Curve</translation>
    </message>
    <message>
        <source>Relais</source>
        <translation>Relay</translation>
    </message>
    <message>
        <source>Spannung aus</source>
        <translation>Power off</translation>
    </message>
    <message>
        <source>Impulse aus</source>
        <translation>Pulses off</translation>
    </message>
    <message>
        <source>keine Unterbrechung</source>
        <translation>no interruption</translation>
    </message>
    <message>
        <source>keine Wiederholung</source>
        <translation>no repetition</translation>
    </message>
    <message>
        <source>Impuls Min (Offset)</source>
        <translation>Pulse min (offset)</translation>
    </message>
    <message>
        <source>Impuls Max (Span)</source>
        <translation>Pulse max (span)</translation>
    </message>
    <message>
        <source>Servo %1</source>
        <translation>Servo %1</translation>
    </message>
    <message>
        <source>Anzahl Punkte</source>
        <translation>Points</translation>
    </message>
    <message>
        <source>Tasten-Aktion</source>
        <translation>Button action</translation>
    </message>
    <message>
        <source>Punkt %1</source>
        <translation>Point %1</translation>
    </message>
    <message>
        <source>Relais %1</source>
        <translation>Relay %1</translation>
    </message>
    <message>
        <source>Kurve %1</source>
        <translation>Curve %1</translation>
    </message>
    <message>
        <source>SW1</source>
        <translation>SW1</translation>
    </message>
    <message>
        <source>Dekodertyp: %1 -&gt; %2</source>
        <translation>Decoder type: %1 -&gt; %2</translation>
    </message>
    <message>
        <source>ROM-Byte</source>
        <translation>ROM byte</translation>
    </message>
    <message>
        <source>EEPROM-Byte</source>
        <translation>EEPROM byte</translation>
    </message>
</context>
<context>
    <name>SettingsActions</name>
    <message>
        <source>Einstellungen (*.json);;Alle Dateien (*)</source>
        <translation>Settings (*.json);;All files (*)</translation>
    </message>
    <message>
        <source>Änderungen</source>
        <translation>Changes</translation>
    </message>
    <message>
        <source>Änderungen anzeigen…</source>
        <translation>Show changes…</translation>
    </message>
    <message>
        <source>Einstellungen exportieren…</source>
        <translation>Export settings…</translation>
    </message>
    <message>
        <source>Einstellungen übernehmen…</source>
        <translation>Apply settings…</translation>
    </message>
    <message>
        <source>Keine Änderungen gegenüber der geladenen Datei.</source>
        <translation>No changes from the loaded file.</translation>
    </message>
    <message>
        <source>Geändert gegenüber der geladenen Datei:</source>
        <translation>Changed from the loaded file:</translation>
    </message>
    <message>
        <source>Beim Laden selbst korrigiert:</source>
        <translation>Corrected by the load itself:</translation>
    </message>
    <message>
        <source>Noch nicht übernommen (nicht im Image):</source>
        <translation>Not applied yet (not in the image):</translation>
    </message>
</context>
<context>
    <name>SettingsDocument</name>
    <message>
        <source>ein Objekt</source>
        <translation>an object</translation>
    </message>
    <message>
        <source>eine Liste</source>
        <translation>an array</translation>
    </message>
    <message>
        <source>unbekannter Schlüssel</source>
        <translation>unknown key</translation>
    </message>
    <message>
        <source>leerer Text</source>
        <translation>empty text</translation>
    </message>
    <message>
        <source>Text länger als %1 Zeichen</source>
        <translation>text longer than %1 characters</translation>
    </message>
    <message>
        <source>%1 Elemente, höchstens %2 sind erlaubt</source>
        <translation>%1 elements, at most %2 are allowed</translation>
    </message>
    <message>
        <source>%1 ist kleiner als %2</source>
        <translation>%1 is less than %2</translation>
    </message>
    <message>
        <source>%1 ist größer als %2</source>
        <translation>%1 is more than %2</translation>
    </message>
    <message>
        <source>fehlt: dieses Programm liest die Format-Version %1</source>
        <translation>missing: this program reads format version %1</translation>
    </message>
    <message>
        <source>%1 ist nicht die Format-Version %2, die dieses Programm liest</source>
        <translation>%1 is not format version %2, the one this program reads</translation>
    </message>
    <message>
        <source>kein Einstellungsdokument: das JSON ist kein Objekt</source>
        <translation>not a settings document: the JSON is no object</translation>
    </message>
    <message>
        <source>rohes Steuerzeichen U+%1 in einem Text: JSON schreibt es als \u%1</source>
        <translation>raw control character U+%1 in a text: JSON writes it as \u%1</translation>
    </message>
    <message>
        <source>doppelt angegeben: ein Dokument nennt jede Einstellung einmal</source>
        <translation>given twice: a document says each setting once</translation>
    </message>
    <message>
        <source>fehlt: das Dokument muss seinen Decoder-Typ nennen</source>
        <translation>missing: the document must name its decoder type</translation>
    </message>
    <message>
        <source>ein Dokument für den Decoder-Typ %1 passt nicht in eine Datei vom Typ %2</source>
        <translation>a document for decoder type %1 cannot go into a file of type %2</translation>
    </message>
    <message>
        <source>dieser Decoder-Typ hat keinen solchen Editor</source>
        <translation>this decoder type has no such editor</translation>
    </message>
    <message>
        <source>dieser Decoder-Typ hat keine solche Einstellung</source>
        <translation>this decoder type has no such setting</translation>
    </message>
    <message>
        <source>%1 liegt außerhalb des Bereichs: der Editor speicherte %2</source>
        <translation>%1 is out of range: the editor would store %2</translation>
    </message>
    <message>
        <source>%1 liegt außerhalb von %2..%3</source>
        <translation>%1 is outside %2..%3</translation>
    </message>
    <message>
        <source>Slot %1 ist doppelt angegeben, auch bei %2</source>
        <translation>slot %1 is given twice, also at %2</translation>
    </message>
    <message>
        <source>fehlt: welcher Slot gemeint ist</source>
        <translation>missing: which slot is meant</translation>
    </message>
    <message>
        <source>dieser Decoder-Typ hat keinen Slot %1</source>
        <translation>this decoder type has no slot %1</translation>
    </message>
    <message>
        <source>dieser Decoder-Typ hat %1 CVs</source>
        <translation>this decoder type has %1 CVs</translation>
    </message>
    <message>
        <source>das Muster hat %1 Schritte</source>
        <translation>the pattern has %1 steps</translation>
    </message>
    <message>
        <source>das Muster hat %1 Ausgänge</source>
        <translation>the pattern has %1 outputs</translation>
    </message>
    <message>
        <source>die Liste hat keinen solchen Eintrag</source>
        <translation>the list has no such item</translation>
    </message>
    <message>
        <source>die Kurve hat %1 Punkte</source>
        <translation>the curve has %1 points</translation>
    </message>
    <message>
        <source>die Liste hat die Einträge 0 bis %1</source>
        <translation>the list has the items 0 to %1</translation>
    </message>
    <message>
        <source>nicht abgeschlossenes Objekt</source>
        <translation>unterminated object</translation>
    </message>
    <message>
        <source>fehlender Doppelpunkt nach einem Namen</source>
        <translation>missing name separator</translation>
    </message>
    <message>
        <source>nicht abgeschlossene Liste</source>
        <translation>unterminated array</translation>
    </message>
    <message>
        <source>fehlendes Komma zwischen Werten</source>
        <translation>missing value separator</translation>
    </message>
    <message>
        <source>ungültiger Wert</source>
        <translation>illegal value</translation>
    </message>
    <message>
        <source>Ende mitten in einer Zahl</source>
        <translation>invalid termination by number</translation>
    </message>
    <message>
        <source>ungültige Zahl</source>
        <translation>illegal number</translation>
    </message>
    <message>
        <source>ungültige Escape-Sequenz</source>
        <translation>invalid escape sequence</translation>
    </message>
    <message>
        <source>ungültiges UTF-8 in einem Text</source>
        <translation>invalid UTF8 string</translation>
    </message>
    <message>
        <source>nicht abgeschlossener Text</source>
        <translation>unterminated string</translation>
    </message>
    <message>
        <source>Objekt fehlt nach einem Komma</source>
        <translation>object is missing after a comma</translation>
    </message>
    <message>
        <source>zu tief verschachteltes Dokument</source>
        <translation>too deeply nested document</translation>
    </message>
    <message>
        <source>zu großes Dokument</source>
        <translation>too large document</translation>
    </message>
    <message>
        <source>überzählige Zeichen am Ende des Dokuments</source>
        <translation>garbage at the end of the document</translation>
    </message>
    <message>
        <source>ungültiges JSON</source>
        <translation>invalid JSON</translation>
    </message>
    <message>
        <source>kein JSON: %1 bei Byte %2</source>
        <translation>not JSON: %1 at offset %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; ist keins von &quot;%2&quot;</source>
        <translation>&quot;%1&quot; is none of &quot;%2&quot;</translation>
    </message>
    <message>
        <source>&quot;%1&quot; enthält ein anderes Zeichen als %2</source>
        <translation>&quot;%1&quot; holds a character other than %2</translation>
    </message>
    <message>
        <source> oder </source>
        <translation> or </translation>
    </message>
    <message>
        <source>&quot;%1&quot; ist nicht je eine 0 oder 1 für jeden der %2 Ausgänge</source>
        <translation>&quot;%1&quot; is not one 0 or 1 for each of the %2 outputs</translation>
    </message>
    <message>
        <source>%1 ist kein Objekt</source>
        <translation>%1 is not an object</translation>
    </message>
    <message>
        <source>%1 ist keine Liste</source>
        <translation>%1 is not an array</translation>
    </message>
    <message>
        <source>%1 ist keine ganze Zahl</source>
        <translation>%1 is not a whole number</translation>
    </message>
    <message>
        <source>%1 ist nicht true oder false</source>
        <translation>%1 is not true or false</translation>
    </message>
    <message>
        <source>%1 ist kein Text</source>
        <translation>%1 is not a text</translation>
    </message>
</context>
<context>
    <name>Sheet</name>
    <message>
        <source>Relais</source>
        <translation>Relay</translation>
    </message>
    <message>
        <source>Bezeichnung</source>
        <translation>Label</translation>
    </message>
    <message>
        <source>Adresse</source>
        <translation>Address</translation>
    </message>
    <message>
        <source>Ausgang</source>
        <translation>Output</translation>
    </message>
    <message>
        <source>Funktion</source>
        <translation>Function</translation>
    </message>
    <message>
        <source>grün</source>
        <translation>green</translation>
    </message>
    <message>
        <source>rot</source>
        <translation>red</translation>
    </message>
    <message>
        <source>Blinkmuster Adresse %1</source>
        <translation>Blink pattern address %1</translation>
    </message>
    <message>
        <source>Anzahl %1, Stretch %2, Loop %3</source>
        <translation>Count %1, stretch %2, loop %3</translation>
    </message>
    <message>
        <source>Ausgang %1</source>
        <translation>Output %1</translation>
    </message>
    <message>
        <source>Kurve %1</source>
        <translation>Curve %1</translation>
    </message>
    <message>
        <source>Anzahl Punkte %1, Stretch %2, %3: %4</source>
        <translation>Points %1, stretch %2, %3: %4</translation>
    </message>
    <message>
        <source>keine Zuordnung</source>
        <translation>not assigned</translation>
    </message>
    <message>
        <source>Impuls Min %1 ms</source>
        <translation>Pulse min %1 ms</translation>
    </message>
    <message>
        <source>Impuls Max %1 ms</source>
        <translation>Pulse max %1 ms</translation>
    </message>
    <message>
        <source>Adressen der Servos</source>
        <translation>Addresses of the servos</translation>
    </message>
    <message>
        <source>Impulszeiten und Optionen</source>
        <translation>Pulse times and options</translation>
    </message>
    <message>
        <source>Servo %1</source>
        <translation>Servo %1</translation>
    </message>
    <message>
        <source>Betriebsarten</source>
        <translation>Operating modes</translation>
    </message>
    <message>
        <source>CVs</source>
        <translation>CVs</translation>
    </message>
    <message>
        <source>Datenblatt</source>
        <translation>Data sheet</translation>
    </message>
    <message>
        <source>Ungespeicherte Änderungen: dieses Blatt zeigt, was das Fenster zeigt, nicht die Datei.</source>
        <translation>Unsaved changes: this sheet shows what the window shows, not the file.</translation>
    </message>
    <message>
        <source>Datei</source>
        <translation>File</translation>
    </message>
    <message>
        <source>SHA-256</source>
        <translation>SHA-256</translation>
    </message>
    <message>
        <source>Datum</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Typ</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>keine</source>
        <translation>none</translation>
    </message>
    <message>
        <source>Protokoll</source>
        <translation>Protocol</translation>
    </message>
    <message>
        <source>Adressen</source>
        <translation>Addresses</translation>
    </message>
    <message>
        <source>Blinkmuster</source>
        <translation>Blink patterns</translation>
    </message>
    <message>
        <source>Servo-Kurven</source>
        <translation>Servo curves</translation>
    </message>
    <message>
        <source>ms</source>
        <translation>ms</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>nicht benutzt</source>
        <translation>not used</translation>
    </message>
</context>
<context>
    <name>SheetActions</name>
    <message>
        <source>PDF (*.pdf);;Alle Dateien (*)</source>
        <translation>PDF (*.pdf);;All files (*)</translation>
    </message>
    <message>
        <source>Datenblatt drucken…</source>
        <translation>Print data sheet…</translation>
    </message>
    <message>
        <source>Datenblatt als PDF…</source>
        <translation>Data sheet as PDF…</translation>
    </message>
    <message>
        <source>das PDF kann nicht erstellt werden</source>
        <translation>the PDF cannot be made</translation>
    </message>
    <message>
        <source>Drucken ist nicht möglich: %1</source>
        <translation>Printing is not possible: %1</translation>
    </message>
    <message>
        <source>keine HEX-Datei angegeben</source>
        <translation>no HEX file given</translation>
    </message>
    <message>
        <source>Schreiben fehlgeschlagen: %1</source>
        <translation>cannot write %1</translation>
    </message>
</context>
<context>
    <name>SlotChanges</name>
    <message>
        <source>die Datei hat keine Protokoll-Kennung: ihre Slots werden nicht angezeigt und lassen sich nicht setzen</source>
        <translation>the file has no protocol marker: its slots are not shown and cannot be set</translation>
    </message>
    <message>
        <source>dieser Decoder-Typ hat keinen Slot %1 (siehe &apos;quaxel-cli info&apos;)</source>
        <translation>this decoder type has no slot %1 (see &apos;quaxel-cli info&apos;)</translation>
    </message>
    <message>
        <source>dieser Decoder-Typ speichert keine Adresse in seinen Slots</source>
        <translation>this decoder type keeps no address in its slots</translation>
    </message>
    <message>
        <source>nur Zubehör-Decoder haben einen roten und einen grünen Ausgang</source>
        <translation>only accessory decoders have a red and a green output</translation>
    </message>
    <message>
        <source>nur Funktions-Decoder haben eine Funktions-Nummer</source>
        <translation>only function decoders have a function number</translation>
    </message>
    <message>
        <source>die Funktions-Nummer %1 lässt sich nicht speichern: Funktions-Nummern gehen von 1 bis %2</source>
        <translation>function number %1 cannot be stored: function numbers run from 1 to %2</translation>
    </message>
    <message>
        <source>die Adresse %1 kann dieser Decoder-Typ nicht speichern (der Slot läse sich als Adresse %2 zurück)</source>
        <translation>address %1 cannot be stored by this decoder type (the slot would read back as address %2)</translation>
    </message>
    <message>
        <source>der %1 Ausgang lässt sich für die Adresse %2 nicht speichern</source>
        <translation>the %1 output cannot be stored for address %2</translation>
    </message>
    <message>
        <source>grüne</source>
        <translation>green</translation>
    </message>
    <message>
        <source>rote</source>
        <translation>red</translation>
    </message>
    <message>
        <source>%1 (%2; höchstens %3)</source>
        <translation>%1 (%2; at most %3)</translation>
    </message>
</context>
<context>
    <name>SlotGrid</name>
    <message>
        <source>Funktion Nummer</source>
        <translation>Function number</translation>
    </message>
    <message>
        <source>R/G</source>
        <translation>R/G</translation>
    </message>
    <message>
        <source>Wechsel zwischen ROTer und GRÜNer Adresse </source>
        <translation>Switches between the RED and the GREEN address </translation>
    </message>
    <message>
        <source>gültiger Adressbereich: 1 bis %1
&apos;0&apos; für unbenutzt (keine Reaktion auf irgendeinen Befehl)</source>
        <translation>valid addresses: 1 to %1
&apos;0&apos; for unused (reacts to no command at all)</translation>
    </message>
    <message>
        <source>gültiger Bereich für die Funktions-Nummer: 1 bis %1</source>
        <translation>valid function numbers: 1 to %1</translation>
    </message>
</context>
<context>
    <name>SlotName</name>
    <message>
        <source>%1 (Slot %2)</source>
        <translation>%1 (Slot %2)</translation>
    </message>
    <message>
        <source>Slot %1</source>
        <translation>Slot %1</translation>
    </message>
</context>
<context>
    <name>SlotRules</name>
    <message>
        <source>Ungültige Eingabe für &lt;%1&gt; </source>
        <translation>Invalid entry for &lt;%1&gt; </translation>
    </message>
    <message>
        <source>Adresse für &lt;%1&gt; ist zu klein</source>
        <translation>Address for &lt;%1&gt; is too small</translation>
    </message>
    <message>
        <source>Adresse für &lt;%1&gt; ist zu gross</source>
        <translation>Address for &lt;%1&gt; is too large</translation>
    </message>
    <message>
        <source>Ungültige Eingabe Funktion von &lt;%1&gt; </source>
        <translation>Invalid function entry for &lt;%1&gt; </translation>
    </message>
    <message>
        <source>Funktions-Nummer für &lt;%1&gt; ist zu klein</source>
        <translation>Function number for &lt;%1&gt; is too small</translation>
    </message>
    <message>
        <source>Funktions-Nummer für &lt;%1&gt; ist zu gross</source>
        <translation>Function number for &lt;%1&gt; is too large</translation>
    </message>
</context>
<context>
    <name>SystemErrors</name>
    <message>
        <source>Vorgang nicht erlaubt</source>
        <translation>Operation not permitted</translation>
    </message>
    <message>
        <source>Datei oder Ordner nicht gefunden</source>
        <translation>No such file or directory</translation>
    </message>
    <message>
        <source>Ein- oder Ausgabefehler</source>
        <translation>Input/output error</translation>
    </message>
    <message>
        <source>Gerät oder Adresse nicht gefunden</source>
        <translation>No such device or address</translation>
    </message>
    <message>
        <source>Ungültiger Dateideskriptor</source>
        <translation>Bad file descriptor</translation>
    </message>
    <message>
        <source>Vorübergehend nicht verfügbar</source>
        <translation>Resource temporarily unavailable</translation>
    </message>
    <message>
        <source>Nicht genug Speicher</source>
        <translation>Cannot allocate memory</translation>
    </message>
    <message>
        <source>Zugriff verweigert</source>
        <translation>Permission denied</translation>
    </message>
    <message>
        <source>Gerät oder Datei wird gerade benutzt</source>
        <translation>Device or resource busy</translation>
    </message>
    <message>
        <source>Datei existiert bereits</source>
        <translation>File exists</translation>
    </message>
    <message>
        <source>Verschieben auf ein anderes Dateisystem nicht möglich</source>
        <translation>Invalid cross-device link</translation>
    </message>
    <message>
        <source>Gerät nicht gefunden</source>
        <translation>No such device</translation>
    </message>
    <message>
        <source>Kein Ordner</source>
        <translation>Not a directory</translation>
    </message>
    <message>
        <source>Ist ein Ordner</source>
        <translation>Is a directory</translation>
    </message>
    <message>
        <source>Ungültiges Argument</source>
        <translation>Invalid argument</translation>
    </message>
    <message>
        <source>Zu viele offene Dateien</source>
        <translation>Too many open files</translation>
    </message>
    <message>
        <source>Programmdatei wird gerade benutzt</source>
        <translation>Text file busy</translation>
    </message>
    <message>
        <source>Datei zu groß</source>
        <translation>File too large</translation>
    </message>
    <message>
        <source>Kein Platz mehr auf dem Gerät</source>
        <translation>No space left on device</translation>
    </message>
    <message>
        <source>Dateisystem nur lesbar</source>
        <translation>Read-only file system</translation>
    </message>
    <message>
        <source>Zu viele harte Links</source>
        <translation>Too many links</translation>
    </message>
    <message>
        <source>Name zu lang</source>
        <translation>File name too long</translation>
    </message>
    <message>
        <source>Ordner ist nicht leer</source>
        <translation>Directory not empty</translation>
    </message>
    <message>
        <source>Zu viele Ebenen symbolischer Links</source>
        <translation>Too many levels of symbolic links</translation>
    </message>
    <message>
        <source>Keine Daten vorhanden</source>
        <translation>No data available</translation>
    </message>
    <message>
        <source>Vorgang nicht unterstützt</source>
        <translation>Operation not supported</translation>
    </message>
    <message>
        <source>Festplatten-Kontingent überschritten</source>
        <translation>Disk quota exceeded</translation>
    </message>
    <message>
        <source>Unterbrochener Systemaufruf</source>
        <translation>Interrupted system call</translation>
    </message>
    <message>
        <source>Ergebnis außerhalb des Wertebereichs</source>
        <translation>Numerical result out of range</translation>
    </message>
    <message>
        <source>Systemfehler %1</source>
        <translation>system error %1</translation>
    </message>
</context>
<context>
    <name>TFormMain</name>
    <message>
        <source> %1 vom %2</source>
        <translation> %1 of %2</translation>
    </message>
    <message>
        <source>HEX laden</source>
        <translation>Load HEX</translation>
    </message>
    <message>
        <source>Hex-File laden.
Anschliessend können Parameter wie z.B. die Adressen geändert werden.</source>
        <translation>Loads a HEX file.
Afterwards settings such as the addresses can be changed.</translation>
    </message>
    <message>
        <source>HEX speichern</source>
        <translation>Save HEX</translation>
    </message>
    <message>
        <source>Hex-File speichern
Das neue HEX-File kann dann in den PIC &apos;gebrannt&apos; werden</source>
        <translation>Saves the HEX file
The new HEX file can then be &apos;burnt&apos; into the PIC</translation>
    </message>
    <message>
        <source>HEX Info</source>
        <translation>HEX Info</translation>
    </message>
    <message>
        <source>Anzeige der HEX-Daten</source>
        <translation>Shows the HEX data</translation>
    </message>
    <message>
        <source>Ende</source>
        <translation>Quit</translation>
    </message>
    <message>
        <source>Programm beenden (ohne eine Nachfrage!)</source>
        <translation>Quits the program (without asking!)</translation>
    </message>
    <message>
        <source>Zur WebSite</source>
        <translation>To the website</translation>
    </message>
    <message>
        <source>Anzeige der HEX-Version und des Namens</source>
        <translation>Shows the HEX version and name</translation>
    </message>
    <message>
        <source> [beschädigt]</source>
        <translation> [damaged]</translation>
    </message>
</context>
<context>
    <name>TFrameBlinkmuster</name>
    <message>
        <source>Out#%1</source>
        <translation>Out#%1</translation>
    </message>
    <message>
        <source>Ausgang %1 verwenden (wird sonst nicht beeinflusst)</source>
        <translation>Use output %1 (otherwise it is left alone)</translation>
    </message>
</context>
<context>
    <name>TFrameBlinkmuster_led</name>
    <message>
        <source>Out#%1</source>
        <translation>Out#%1</translation>
    </message>
    <message>
        <source>Ausgang %1 verwenden (wird sonst nicht beeinflusst)</source>
        <translation>Use output %1 (otherwise it is left alone)</translation>
    </message>
</context>
<context>
    <name>TFrameTamb</name>
    <message>
        <source>Parameter für ...</source>
        <translation>Settings for ...</translation>
    </message>
    <message>
        <source>Kurve %1</source>
        <translation>Curve %1</translation>
    </message>
    <message>
        <source>Auswahl, für welche Adresse die Angezeigten Parameter gültig sind</source>
        <translation>Chooses the address the settings shown apply to</translation>
    </message>
    <message>
        <source>Anzahl Punkte</source>
        <translation>Points</translation>
    </message>
    <message>
        <source>Anzahl der Kurven-Punkte</source>
        <translation>Number of points of the curve</translation>
    </message>
    <message>
        <source>Stretch-Faktor</source>
        <translation>Stretch factor</translation>
    </message>
    <message>
        <source>ermöglicht es, den Ablauf zu Verlangsamen</source>
        <translation>slows the sequence down</translation>
    </message>
    <message>
        <source>Raster X</source>
        <translation>Grid X</translation>
    </message>
    <message>
        <source>Raster Y</source>
        <translation>Grid Y</translation>
    </message>
    <message>
        <source>Servo</source>
        <translation>Servo</translation>
    </message>
    <message>
        <source>Definieren der Kurvenform (Maus: Klick &amp; Move)</source>
        <translation>Draws the curve (mouse: click &amp; drag)</translation>
    </message>
    <message>
        <source>Relais</source>
        <translation>Relay</translation>
    </message>
    <message>
        <source>Definieren, ob Relais zu einem bestimmten Kurven-Zeitpunkt AUS oder EIN (rotes Feld) ist</source>
        <translation>Sets whether the relay is OFF or ON (red field) at a point of the curve</translation>
    </message>
    <message>
        <source>Funktionen</source>
        <translation>Functions</translation>
    </message>
    <message>
        <source>Lin</source>
        <translation>Lin</translation>
    </message>
    <message>
        <source>lineare Kurvenform erstellen</source>
        <translation>makes a linear curve</translation>
    </message>
    <message>
        <source>1/4 Sin</source>
        <translation>1/4 Sin</translation>
    </message>
    <message>
        <source>Sinus-Kurvenform erstellen (halbe Welle)</source>
        <translation>makes a sine curve (half wave)</translation>
    </message>
    <message>
        <source>Log</source>
        <translation>Log</translation>
    </message>
    <message>
        <source>log, Kurvenform erstellen</source>
        <translation>makes a logarithmic curve</translation>
    </message>
    <message>
        <source>1/2 Sin</source>
        <translation>1/2 Sin</translation>
    </message>
    <message>
        <source>Sinus-Kurvenform erstellen (Welle)</source>
        <translation>makes a sine curve (wave)</translation>
    </message>
    <message>
        <source>Spiegeln</source>
        <translation>Mirror</translation>
    </message>
    <message>
        <source>vertikal</source>
        <translation>vertical</translation>
    </message>
    <message>
        <source>vertikales Spiegeln der Kurvenform</source>
        <translation>mirrors the curve vertically</translation>
    </message>
    <message>
        <source>horizontal</source>
        <translation>horizontal</translation>
    </message>
    <message>
        <source>horizonzales Spiegeln der Kurvenform</source>
        <translation>mirrors the curve horizontally</translation>
    </message>
    <message>
        <source>Kurve kopieren</source>
        <translation>Copy curve</translation>
    </message>
    <message>
        <source>von #%1</source>
        <translation>from #%1</translation>
    </message>
    <message>
        <source>Kopieren der Kurvenformen von Kurve %1</source>
        <translation>Copies the shape of curve %1</translation>
    </message>
    <message>
        <source>Kurve</source>
        <translation>Curve</translation>
    </message>
    <message>
        <source>laden</source>
        <translation>load</translation>
    </message>
    <message>
        <source>laden von Kurven-Daten</source>
        <translation>loads curve data</translation>
    </message>
    <message>
        <source>speichern</source>
        <translation>save</translation>
    </message>
    <message>
        <source>speichern von Kurven-Daten</source>
        <translation>saves curve data</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>Setup</translation>
    </message>
    <message>
        <source>laden Kurven-Daten inkl. Pukte-Anzahl, Stretch-Faktor etc.</source>
        <translation>loads curve data incl. number of points, stretch factor etc.</translation>
    </message>
    <message>
        <source>speichern Kurven-Daten inkl. Pukte-Anzahl, Stretch-Faktor etc.</source>
        <translation>saves curve data incl. number of points, stretch factor etc.</translation>
    </message>
    <message>
        <source>Skalierung</source>
        <translation>Scale</translation>
    </message>
    <message>
        <source>anwenden</source>
        <translation>apply</translation>
    </message>
    <message>
        <source>Hoch/Runter</source>
        <translation>Up/down</translation>
    </message>
    <message>
        <source>Funktion für Taster SW1</source>
        <translation>Function of button SW1</translation>
    </message>
    <message>
        <source>Servo-Bedienung</source>
        <translation>Servo control</translation>
    </message>
    <message>
        <source>Lernen + Justage</source>
        <translation>Learn + adjust</translation>
    </message>
    <message>
        <source>ermöglicht das Auslösen von Aktionen <byte value="xd"/>
via (Justage-)Taster</source>
        <translation>triggers actions <byte value="xd"/>
with the (adjusting) button</translation>
    </message>
    <message>
        <source>verwerfen</source>
        <translation>discard</translation>
    </message>
    <message>
        <source>Daten verwerfen</source>
        <translation>Discards the data</translation>
    </message>
    <message>
        <source>übernehmen</source>
        <translation>accept</translation>
    </message>
    <message>
        <source>Daten übernehmen</source>
        <translation>Accepts the data</translation>
    </message>
    <message>
        <source>Wert, um den die Kurve nach oben (positive Werte) oder nach unten (negative Werte) verschoben wird
Ein Wert von 64 verschiebt die Kurve um die halbe Y-Achse nach oben</source>
        <translation>Value by which the curve is moved up (positive values) or down (negative values)
A value of 64 moves the curve up by half the Y axis</translation>
    </message>
    <message>
        <source>Wert, mit dem die Kurve multipliziert wird. 
D.h. Werte &gt; 1 ziehen die Kurve in der Y-Achse auseinander, Werte &lt; 1 stauchen die Kurve</source>
        <translation>Value the curve is multiplied by. 
Values &gt; 1 stretch the curve along the Y axis, values &lt; 1 squeeze it</translation>
    </message>
</context>
<context>
    <name>TFrameTambAdr</name>
    <message>
        <source>Diese Zeit definiert die untere Grenze, mit der der Servo<byte value="xd"/>
angesteuert wird.<byte value="xd"/>
Dieser Parameter kann später über eine Lern-Funktion <byte value="xd"/>
an den Servo und die Konstruktion angepasst werden.<byte value="xd"/>
Eine Änderung der Min-Zeit verschieb auch die Max-Zeit<byte value="xd"/>
(wirkt wie ein Offset)</source>
        <translation>This time is the lower limit the servo<byte value="xd"/>
is driven with.<byte value="xd"/>
A learning function can later fit this value <byte value="xd"/>
to the servo and the mechanism.<byte value="xd"/>
Changing the min time also moves the max time<byte value="xd"/>
(it works as an offset)</translation>
    </message>
    <message>
        <source>Mit dieser Impuls-Zeit wird der Servo Maximal angesteuert. <byte value="xd"/>
Dieser Parameter kann später über eine Lern-Funktion <byte value="xd"/>
an den Servo und die Konstruktion angepasst werden.<byte value="xd"/>
Eine Änderung der Min-Zeit verschieb auch die Max-Zeit<byte value="xd"/>
(wirkt wie ein Offset)</source>
        <translation>The servo is driven with at most this pulse time. <byte value="xd"/>
A learning function can later fit this value <byte value="xd"/>
to the servo and the mechanism.<byte value="xd"/>
Changing the min time also moves the max time<byte value="xd"/>
(it works as an offset)</translation>
    </message>
    <message>
        <source>Servo 1</source>
        <translation>Servo 1</translation>
    </message>
    <message>
        <source>Servo 2</source>
        <translation>Servo 2</translation>
    </message>
    <message>
        <source>Servo 3</source>
        <translation>Servo 3</translation>
    </message>
    <message>
        <source>Servo 4</source>
        <translation>Servo 4</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Start Loop</source>
        <translation>Start loop</translation>
    </message>
    <message>
        <source>Abbruch</source>
        <translation>Abort</translation>
    </message>
    <message>
        <source>Beenden</source>
        <translation>Finish</translation>
    </message>
    <message>
        <source>Kurve 1</source>
        <translation>Curve 1</translation>
    </message>
    <message>
        <source>Kurve 2</source>
        <translation>Curve 2</translation>
    </message>
    <message>
        <source>Kurve 3</source>
        <translation>Curve 3</translation>
    </message>
    <message>
        <source>Kurve 4</source>
        <translation>Curve 4</translation>
    </message>
    <message>
        <source>Relais 1</source>
        <translation>Relay 1</translation>
    </message>
    <message>
        <source>Relais 2</source>
        <translation>Relay 2</translation>
    </message>
    <message>
        <source>Relais 3</source>
        <translation>Relay 3</translation>
    </message>
    <message>
        <source>Relais 4</source>
        <translation>Relay 4</translation>
    </message>
    <message>
        <source>Start: Kurve einmalig starten<byte value="xd"/>
Start Loop: Kurve immer wieder starten<byte value="xd"/>
Abbruch: Kurve sofort abbrechen<byte value="xd"/>
Beenden: Kurve nach Beendigung abbrechen (Loop Ende)</source>
        <translation>Start: runs the curve once<byte value="xd"/>
Start loop: runs the curve again and again<byte value="xd"/>
Abort: stops the curve at once<byte value="xd"/>
Finish: stops the curve when it is done (end of loop)</translation>
    </message>
    <message>
        <source>Auswahl des Servo</source>
        <translation>Chooses the servo</translation>
    </message>
    <message>
        <source>Auswahl der Kurve</source>
        <translation>Chooses the curve</translation>
    </message>
    <message>
        <source>Auswahl des Relais</source>
        <translation>Chooses the relay</translation>
    </message>
    <message>
        <source>Servo </source>
        <translation>Servo </translation>
    </message>
    <message>
        <source>ms Impuls-Zeit (Min)</source>
        <translation>ms pulse time (min)</translation>
    </message>
    <message>
        <source>ms Impuls-Zeit (Max)</source>
        <translation>ms pulse time (max)</translation>
    </message>
    <message>
        <source>Spannung aus</source>
        <translation>Power off</translation>
    </message>
    <message>
        <source>Versorgungs-Spannung des Servos nach Ablauf abschalten</source>
        <translation>Switches the servo&apos;s supply off when the curve is done</translation>
    </message>
    <message>
        <source>Impulse aus</source>
        <translation>Pulses off</translation>
    </message>
    <message>
        <source>Ansteuer-Impulse des Servos nach Ablauf abschalten</source>
        <translation>Switches the servo&apos;s control pulses off when the curve is done</translation>
    </message>
    <message>
        <source>keine Unterbrechung</source>
        <translation>no interruption</translation>
    </message>
    <message>
        <source>eine aktive Kurve für </source>
        <translation>a running curve of </translation>
    </message>
    <message>
        <source> kann nicht durch eine andere Kurve unterbrochen werden</source>
        <translation> cannot be interrupted by another curve</translation>
    </message>
    <message>
        <source>keine Wiederholung</source>
        <translation>no repetition</translation>
    </message>
    <message>
        <source>es kann nicht 2x hintereinander die selbe Kurve gefahren werden</source>
        <translation>the same curve cannot run twice in a row</translation>
    </message>
</context>
<context>
    <name>TFrameZusatz</name>
    <message>
        <source>rechts = HELL, Links = dunkel</source>
        <translation>right = BRIGHT, left = dim</translation>
    </message>
    <message>
        <source>Abschalten des Antriebes NUR nach TimeOut</source>
        <translation>Switch the motor off ONLY after the time-out</translation>
    </message>
    <message>
        <source>Der Abschaltebefehl der Zentrale wird ignoriert, sodass der Antrieb immer genau nach der TimeOut Zeit abschaltet</source>
        <translation>The command station&apos;s switch-off command is ignored, so the motor always switches off exactly after the time-out</translation>
    </message>
    <message>
        <source>Mindestanzahl (1..9)</source>
        <translation>Minimum (1..9)</translation>
    </message>
    <message>
        <source>Anzahl der mindest aktiven Ausgänge beim Ablauf</source>
        <translation>Least number of outputs on during the sequence</translation>
    </message>
    <message>
        <source>Leuchtstufe DUNKEL</source>
        <translation>Level DIM</translation>
    </message>
    <message>
        <source>Leuchtstufe HELL</source>
        <translation>Level BRIGHT</translation>
    </message>
    <message>
        <source>Die Verzögerungszeit definiert eine Einschalt-Verzögerung. <byte value="xd"/>
Diese ist dann aktiv, wenn noch kein Ausgang eingeschaltet <byte value="xd"/>
ist, also wenn alle Ausgäne dunkel sind. Alle weiteren <byte value="xd"/>
Ausgänge werden dann ohne Verzögerungszeit dazu <byte value="xd"/>
geschaltet</source>
        <translation>The delay time sets a switch-on delay. <byte value="xd"/>
It applies while no output is on yet, <byte value="xd"/>
that is while all outputs are dark. All further <byte value="xd"/>
outputs are then switched on without <byte value="xd"/>
delay</translation>
    </message>
    <message>
        <source>Tipp: Im Kandor Dekoder sind Ausgang 1-4 nutzbar</source>
        <translation>Tip: in the Kandor decoder outputs 1-4 can be used</translation>
    </message>
    <message>
        <source>Mode Auswahl</source>
        <translation>Mode</translation>
    </message>
    <message>
        <source>Wird hier ein Mode ausgewählt, so sollte die Mode-<byte value="xd"/>
Umschaltung gesperrt werden, da  sich sonst der gewählte<byte value="xd"/>
Mode während des &quot;Brennen&quot; wieder verstellen kann.</source>
        <translation>When a mode is chosen here, mode switching<byte value="xd"/>
should be locked, or else the chosen mode<byte value="xd"/>
may change again while &quot;burning&quot;.</translation>
    </message>
    <message>
        <source>Dumm Mode: startet immer mit Ausgängen AUS</source>
        <translation>Dumb mode: always starts with outputs OFF</translation>
    </message>
    <message>
        <source>Dekoder startet mit abgeschalteten Ausgängen. der Zustand beim Abschalten wird also NICHT wieder hergestellt.</source>
        <translation>The decoder starts with its outputs off: the state at switch-off is NOT restored.</translation>
    </message>
    <message>
        <source>Mode-Umschaltung SPERREN</source>
        <translation>LOCK mode switching</translation>
    </message>
    <message>
        <source>Aktiviert: eine Mode-Umschaltung (Taste beim Starten) ist dann nicht mehr möglich. Voreingestellte Modus ist damit garantiert. </source>
        <translation>Checked: the mode can no longer be switched (button at start). The preset mode is then guaranteed. </translation>
    </message>
    <message>
        <source>Mode %1</source>
        <translation>Mode %1</translation>
    </message>
    <message>
        <source>Geschwindigkeit Überblendung (Fading)</source>
        <translation>Fading speed</translation>
    </message>
    <message>
        <source>schnell</source>
        <translation>fast</translation>
    </message>
    <message>
        <source>langsam</source>
        <translation>slow</translation>
    </message>
</context>
<context>
    <name>TfrmInfo</name>
    <message>
        <source>
Für den Normal-Bediener uninteressant!</source>
        <translation>
Of no interest to the ordinary user!</translation>
    </message>
    <message>
        <source>HEX File Information</source>
        <translation>HEX File Information</translation>
    </message>
    <message>
        <source>Config Value:</source>
        <translation>Config value:</translation>
    </message>
    <message>
        <source>ID-Value:</source>
        <translation>ID value:</translation>
    </message>
    <message>
        <source>EEPROM</source>
        <translation>EEPROM</translation>
    </message>
    <message>
        <source>EEprom</source>
        <translation>EEPROM</translation>
    </message>
    <message>
        <source>ROM</source>
        <translation>ROM</translation>
    </message>
    <message>
        <source>Anzeige der EEprom Daten</source>
        <translation>Shows the EEPROM data</translation>
    </message>
    <message>
        <source>Anzeige der Register</source>
        <translation>Shows the registers</translation>
    </message>
    <message>
        <source>vergleiche mit 2. HEX-File</source>
        <translation>compare with 2nd HEX file</translation>
    </message>
    <message>
        <source>das geladenen HEX wird mit einer 2. Datei verglichen</source>
        <translation>compares the loaded HEX with a second file</translation>
    </message>
    <message>
        <source>Fenster schliessen</source>
        <translation>Close window</translation>
    </message>
    <message>
        <source>File 1 = %1</source>
        <translation>File 1 = %1</translation>
    </message>
    <message>
        <source>File 2 = %1</source>
        <translation>File 2 = %1</translation>
    </message>
</context>
<context>
    <name>WindowRecovery</name>
    <message>
        <source>Die ungespeicherten Änderungen konnten nicht aufbewahrt werden:
%1</source>
        <translation>The unsaved changes could not be kept:
%1</translation>
    </message>
    <message>
        <source>Die ungespeicherten Änderungen an %1 werden nicht aufbewahrt; bei einem Absturz gehen sie verloren. Speichern Sie die Datei:
%2</source>
        <translation>The unsaved changes to %1 are not being kept; a crash would lose them. Save the file:
%2</translation>
    </message>
    <message>
        <source>Die aufbewahrten Änderungen in %1 lassen sich nicht öffnen:
%2</source>
        <translation>The kept changes in %1 cannot be opened:
%2</translation>
    </message>
    <message>
        <source>Die aufbewahrten Änderungen in %1 stammen von einer neueren Version von Quaxel:
%2</source>
        <translation>The kept changes in %1 come from a newer version of Quaxel:
%2</translation>
    </message>
    <message>
        <source>Die aufbewahrten Änderungen in %1 sind nicht lesbar:
%2</source>
        <translation>The kept changes in %1 cannot be read:
%2</translation>
    </message>
    <message>
        <source>Die aufbewahrten Änderungen in %1 lassen sich nicht wiederherstellen, weil die Zeilen der Datei, von der sie ausgehen, nicht mehr laden:
%2</source>
        <translation>The kept changes in %1 cannot be restored because the lines of the file they start from no longer load:
%2</translation>
    </message>
    <message>
        <source>Die aufbewahrten Änderungen in %1 ließen sich nicht wiederherstellen.</source>
        <translation>The kept changes in %1 could not be restored.</translation>
    </message>
    <message numerus="yes">
        <source>Nicht übernommene Änderungen in %n Editor(en) passen nicht zum Decodertyp der Datei und wurden verworfen.</source>
        <translation>
            <numerusform>Changes not applied in %n editor do not fit the file&apos;s decoder type and were discarded.</numerusform>
            <numerusform>Changes not applied in %n editors do not fit the file&apos;s decoder type and were discarded.</numerusform>
        </translation>
    </message>
    <message>
        <source>Die Datei wurde nicht gelöscht; sie ließ sich nicht umbenennen:
%1</source>
        <translation>The file was not deleted; it could not be renamed:
%1</translation>
    </message>
    <message>
        <source>Die Datei wurde nicht gelöscht, sondern umbenannt in:
%1</source>
        <translation>The file was not deleted but renamed to:
%1</translation>
    </message>
    <message>
        <source>(ohne Namen)</source>
        <translation>(no name)</translation>
    </message>
    <message>
        <source>Ungespeicherte Änderungen an %1 vom %2 wiederherstellen?</source>
        <translation>Restore the unsaved changes to %1 of %2?</translation>
    </message>
    <message>
        <source>Wiederherstellen</source>
        <translation>Restore</translation>
    </message>
    <message>
        <source>Verwerfen</source>
        <translation>Discard</translation>
    </message>
    <message>
        <source>Später fragen</source>
        <translation>Ask later</translation>
    </message>
    <message>
        <source>%1 gibt es nicht mehr oder lässt sich nicht lesen.</source>
        <translation>%1 no longer exists or cannot be read.</translation>
    </message>
    <message>
        <source>Achtung: %1 wurde geändert, nachdem die Änderungen aufbewahrt wurden (am %2). Sie gehen von der alten Fassung aus; vor dem Speichern über die Datei wird gefragt.</source>
        <translation>Note: %1 was changed after the changes were kept (on %2). They start from the old version; saving over the file asks first.</translation>
    </message>
</context>
<context>
    <name>WindowShortcuts</name>
    <message>
        <source>Rechtsklick: Rückgängig (Strg+Z), Wiederholen (Strg+Y)</source>
        <translation>Right click: Undo (Ctrl+Z), Redo (Ctrl+Y)</translation>
    </message>
    <message>
        <source>Quaxel bearbeitet die Einstellungen einer Dekoder-Firmware (Intel-HEX-Datei).<byte value="xd"/><byte value="xd"/>Strg+O	HEX laden<byte value="xd"/>Strg+S	HEX speichern (die Datei wird danach zurückgelesen und geprüft)<byte value="xd"/>Strg+I	HEX Info<byte value="xd"/>Strg+Z	Rückgängig: die letzte Änderung zurücknehmen<byte value="xd"/>Strg+Y	Wiederholen: die zurückgenommene Änderung wieder ausführen (auch Strg+Umschalt+Z)<byte value="xd"/>Strg+D	Änderungen anzeigen: was sich gegenüber der geladenen Datei geändert hat<byte value="xd"/>Strg+Q	Schließen, ohne die Einstellungen zu speichern<byte value="xd"/>F1	diese Hilfe<byte value="xd"/><byte value="xd"/>Eine .hex-Datei kann auch auf das Fenster gezogen werden. Die zuletzt geöffneten Dateien zeigt ein Rechtsklick auf &quot;HEX laden&quot;. Ein Rechtsklick neben die Knöpfe zeigt auch &quot;Einstellungen exportieren…&quot; und &quot;Einstellungen übernehmen…&quot;. &quot;Ende&quot; speichert Fensterposition und zuletzt geöffnete Dateien.</source>
        <translation>Quaxel edits the settings of a decoder firmware (Intel HEX file).<byte value="xd"/><byte value="xd"/>Ctrl+O	Load HEX<byte value="xd"/>Ctrl+S	Save HEX (the file is then read back and verified)<byte value="xd"/>Ctrl+I	HEX Info<byte value="xd"/>Ctrl+Z	Undo: takes the last change back<byte value="xd"/>Ctrl+Y	Redo: makes the undone change again (also Ctrl+Shift+Z)<byte value="xd"/>Ctrl+D	Show changes: what has changed from the loaded file<byte value="xd"/>Ctrl+Q	Close without saving the settings<byte value="xd"/>F1	this help<byte value="xd"/><byte value="xd"/>A .hex file can also be dropped onto the window. A right click on &quot;Load HEX&quot; shows the recently opened files. A right click beside the buttons also shows &quot;Export settings…&quot; and &quot;Apply settings…&quot;. &quot;Quit&quot; saves the window position and the recently opened files.</translation>
    </message>
</context>
<context>
    <name>Zusatz</name>
    <message>
        <source>Mode 1: Normale Betriebsart</source>
        <translation>Mode 1: Normal operation</translation>
    </message>
    <message>
        <source>Mode 2: Dumm-Mode</source>
        <translation>Mode 2: Dumb mode</translation>
    </message>
    <message>
        <source>Mode 3: Selbstabschaltungs-Mode</source>
        <translation>Mode 3: Self switch-off mode</translation>
    </message>
    <message>
        <source>Time Out (1..127)</source>
        <translation>Time-out (1..127)</translation>
    </message>
    <message>
        <source>x 0.5 sec</source>
        <translation>x 0.5 sec</translation>
    </message>
    <message>
        <source>Abschaltzeit in Mode 3 (1..255)</source>
        <translation>Switch-off time in mode 3 (1..255)</translation>
    </message>
    <message>
        <source>Abschaltzeit Mode in 3 (1..255)</source>
        <translation>Switch-off time in mode 3 (1..255)</translation>
    </message>
    <message>
        <source>Verzögerungszeit (0..255)</source>
        <translation>Delay time (0..255)</translation>
    </message>
    <message>
        <source>Verzögerungszeit (x 0.5 sec)</source>
        <translation>Delay time (x 0.5 sec)</translation>
    </message>
    <message>
        <source>Mode 4: Single Output-Mode</source>
        <translation>Mode 4: Single output mode</translation>
    </message>
    <message>
        <source>Mode 1: Normale Betriebsart Neon</source>
        <translation>Mode 1: Normal operation, neon</translation>
    </message>
    <message>
        <source>Mode 2: Steuerwagen Neon</source>
        <translation>Mode 2: Driving trailer, neon</translation>
    </message>
    <message>
        <source>Mode 3: Normale Betriebsart ohne Neon</source>
        <translation>Mode 3: Normal operation, no neon</translation>
    </message>
    <message>
        <source>Mode 4: Steuerwagen ohne Neon</source>
        <translation>Mode 4: Driving trailer, no neon</translation>
    </message>
    <message>
        <source>Mode 2: Steuerwagen</source>
        <translation>Mode 2: Driving trailer</translation>
    </message>
    <message>
        <source>Mode 2: Steuerwagen (Ausgang 3/4)</source>
        <translation>Mode 2: Driving trailer (output 3/4)</translation>
    </message>
    <message>
        <source>Mode 2: mit Dunkeltastung</source>
        <translation>Mode 2: with blanking</translation>
    </message>
    <message>
        <source>Mode 1: ohne ROT</source>
        <translation>Mode 1: without RED</translation>
    </message>
    <message>
        <source>Mode 2: mit ROT </source>
        <translation>Mode 2: with RED </translation>
    </message>
    <message>
        <source>Grünphase Haupt (x 0.2 s)</source>
        <translation>Green phase main (x 0.2 s)</translation>
    </message>
    <message>
        <source>Grünphase Neben (x 0.2 s)</source>
        <translation>Green phase side (x 0.2 s)</translation>
    </message>
    <message>
        <source>Mode 1: Deutschland</source>
        <translation>Mode 1: Germany</translation>
    </message>
    <message>
        <source>Mode 2: Österreich</source>
        <translation>Mode 2: Austria</translation>
    </message>
    <message>
        <source>Spezial-Funktion Ausgang 9 / 10:</source>
        <translation>Special function output 9 / 10:</translation>
    </message>
    <message>
        <source>Funktion der Ausgänge:</source>
        <translation>Function of the outputs:</translation>
    </message>
    <message>
        <source>Ablaufgeschwindigkeit (1..255)</source>
        <translation>Sequence speed (1..255)</translation>
    </message>
    <message>
        <source>1 = schnell
255 = langsam</source>
        <translation>1 = fast
255 = slow</translation>
    </message>
    <message>
        <source>Geschwindigkeit: %1</source>
        <translation>Speed: %1</translation>
    </message>
    <message>
        <source>Wenn nicht aktiviert, dann ist dieser Ausgang ein normaler &quot;Neon&quot; Effekt Ausgang</source>
        <translation>When not checked, this output is a normal &quot;neon&quot; effect output</translation>
    </message>
    <message>
        <source>Wenn nicht aktiviert, dann ist dieser Ausgang ein &quot;Neon&quot; Effekt Ausgang, der auch als &quot;defekt&quot; definiert werden kann</source>
        <translation>When not checked, this output is a &quot;neon&quot; effect output that can also be set as &quot;faulty&quot;</translation>
    </message>
    <message>
        <source>Ausgang 9 = &quot;Neon defekt&quot;</source>
        <translation>Output 9 = &quot;faulty neon&quot;</translation>
    </message>
    <message>
        <source>keine Wirkung, wenn Ausgang 9 als &quot;Schweißer&quot; definiert</source>
        <translation>no effect when output 9 is set as &quot;welder&quot;</translation>
    </message>
    <message>
        <source>Ausgang 10 = &quot;Schweißer&quot;</source>
        <translation>Output 10 = &quot;welder&quot;</translation>
    </message>
    <message>
        <source>Ausgang 1/2/3 = &quot;Schweißer&quot;</source>
        <translation>Output 1/2/3 = &quot;welder&quot;</translation>
    </message>
    <message>
        <source>Ausgang 4 = &quot;Schweißer&quot;</source>
        <translation>Output 4 = &quot;welder&quot;</translation>
    </message>
    <message>
        <source>Ausgang 5/6/7/8 = &quot;Schweißer&quot;</source>
        <translation>Output 5/6/7/8 = &quot;welder&quot;</translation>
    </message>
    <message>
        <source>Ausgnag 9 = &quot;Schweißer&quot;</source>
        <translation>Output 9 = &quot;welder&quot;</translation>
    </message>
    <message>
        <source>Ausgang 4 = &quot;Neon defekt&quot;</source>
        <translation>Output 4 = &quot;faulty neon&quot;</translation>
    </message>
    <message>
        <source>keine Wirkung, wenn Ausgang 4 als &quot;Schweißer&quot; definiert</source>
        <translation>no effect when output 4 is set as &quot;welder&quot;</translation>
    </message>
    <message>
        <source>Ungültige Eingabe für &lt;%1&gt; </source>
        <translation>Invalid entry for &lt;%1&gt; </translation>
    </message>
    <message>
        <source>Wert für &lt;%1&gt; ist zu klein</source>
        <translation>Value for &lt;%1&gt; is too small</translation>
    </message>
    <message>
        <source>Wert für &lt;%1&gt; ist zu gross</source>
        <translation>Value for &lt;%1&gt; is too large</translation>
    </message>
    <message>
        <source>Ungültige Eingabe.<byte value="xd"/>Zugelassen sind nur Zahlen im Werte-Bereich 1..9</source>
        <translation>Invalid entry.<byte value="xd"/>Only numbers in the range 1..9</translation>
    </message>
    <message>
        <source>(%3.1f sek.)</source>
        <translation>(%3.1f s)</translation>
    </message>
</context>
<context>
    <name>quaxel-cli</name>
    <message>
        <source>Mehr dazu: &apos;%1 --help&apos;.</source>
        <translation>Try &apos;%1 --help&apos;.</translation>
    </message>
    <message>
        <source>Unbekannte Option &apos;%1&apos;.</source>
        <translation>Unknown option &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>Unbekannte Optionen: %1.</source>
        <translation>Unknown options: %1.</translation>
    </message>
    <message>
        <source>Fehlender Wert nach &apos;%1&apos;.</source>
        <translation>Missing value after &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>Unerwarteter Wert nach &apos;%1&apos;.</source>
        <translation>Unexpected value after &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>Die Befehlszeile ist fehlerhaft.</source>
        <translation>The command line is faulty.</translation>
    </message>
    <message>
        <source>abgelehnt: die Datei ist vielleicht beschädigt (--force nimmt sie trotzdem)</source>
        <translation>refused: the file may be damaged (--force uses it all the same)</translation>
    </message>
    <message>
        <source>ein Befehl fehlt: info, diff, set, export, apply oder inventory</source>
        <translation>a command is needed: info, diff, set, export, apply or inventory</translation>
    </message>
    <message>
        <source>unbekannter Befehl &apos;%1&apos;</source>
        <translation>unknown command &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Zubehör</source>
        <translation>accessory</translation>
    </message>
    <message>
        <source>Funktion</source>
        <translation>function</translation>
    </message>
    <message>
        <source>keine</source>
        <translation>none</translation>
    </message>
    <message>
        <source>Datei</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Typ</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>  (unbekannt)</source>
        <translation>  (unknown)</translation>
    </message>
    <message>
        <source>Protokoll</source>
        <translation>Protocol</translation>
    </message>
    <message>
        <source>Typ-Wörter</source>
        <translation>Type words</translation>
    </message>
    <message>
        <source>ID-Wörter</source>
        <translation>ID words</translation>
    </message>
    <message>
        <source>Slots (%1):
</source>
        <translation>Slots (%1):
</translation>
    </message>
    <message>
        <source>eine HEX-Datei erwartet</source>
        <translation>one HEX file expected</translation>
    </message>
    <message>
        <source>Nicht in den Records von File2: %1: File1:0x%2 - File2:0x%3 (%4 insgesamt)
</source>
        <translation>Not in the records of File2: %1: File1:0x%2 - File2:0x%3 (%4 in all)
</translation>
    </message>
    <message>
        <source>zwei HEX-Dateien erwartet</source>
        <translation>two HEX files expected</translation>
    </message>
    <message>
        <source>zwei HEX-Dateien oder Einstellungsdokumente erwartet</source>
        <translation>two HEX files or settings documents expected</translation>
    </message>
    <message>
        <source>Slot %1%2, %3</source>
        <translation>slot %1%2, %3</translation>
    </message>
    <message>
        <source>, Datei %1 von %2</source>
        <translation>, file %1 of %2</translation>
    </message>
    <message>
        <source>--series COUNT und --step K gehören zusammen, je einmal</source>
        <translation>--series COUNT and --step K go together, once each</translation>
    </message>
    <message>
        <source>--series braucht eine ganze Zahl ab 1</source>
        <translation>--series needs a whole number of at least 1</translation>
    </message>
    <message>
        <source>--step braucht eine ganze Zahl ab 1</source>
        <translation>--step needs a whole number of at least 1</translation>
    </message>
    <message>
        <source>--series braucht einen Namen der Ausgabedatei, nicht &apos;-&apos;</source>
        <translation>--series needs an output file name, not &apos;-&apos;</translation>
    </message>
    <message>
        <source>geschrieben und geprüft: %1
</source>
        <translation>written and verified: %1
</translation>
    </message>
    <message>
        <source>eine HEX-Datei als Eingabe erwartet</source>
        <translation>one input HEX file expected</translation>
    </message>
    <message>
        <source>eine Ausgabedatei erwartet (-o OUT.hex)</source>
        <translation>one output file expected (-o OUT.hex)</translation>
    </message>
    <message>
        <source>--slot &apos;%1&apos;: erwartet N=ADDRESS[r|g][/FUNCTION] mit N von 1 bis %2</source>
        <translation>--slot &apos;%1&apos;: expected N=ADDRESS[r|g][/FUNCTION] with N from 1 to %2</translation>
    </message>
    <message>
        <source>existiert und ist kein Einstellungsdokument; sie wird nicht ersetzt</source>
        <translation>exists and is no settings document; it is not replaced</translation>
    </message>
    <message>
        <source>höchstens eine Ausgabedatei erwartet (-o DOC.json)</source>
        <translation>at most one output file expected (-o DOC.json)</translation>
    </message>
    <message>
        <source>eine HEX-Datei und ein Einstellungsdokument erwartet</source>
        <translation>a HEX file and a settings document expected</translation>
    </message>
    <message>
        <source>mindestens eine HEX-Datei oder ein Ordner erwartet</source>
        <translation>at least one HEX file or folder expected</translation>
    </message>
    <message>
        <source>--csv und --json schließen einander aus</source>
        <translation>--csv and --json exclude each other</translation>
    </message>
    <message>
        <source>Standardausgabe: Schreibfehler</source>
        <translation>standard output: write error</translation>
    </message>
    <message>
        <source>Aufruf: quaxel-cli BEFEHL [OPTIONEN]

Liest, vergleicht und schreibt HEX-Dateien von Decoder-Firmware mit den Regeln
des Quaxel-Fensters, ohne Bildschirm.

Befehle:
  info FILE.hex [--json]   Typ, Version, Protokoll, Slots, ID und Config-Worte
  diff A.hex B.hex         die Byte-Unterschiede von B gegen A, wie &quot;HEX Info&quot; sie auflistet
  set IN.hex -o OUT.hex [--slot N=ADDRESS[r|g][/FUNCTION]]... [--series COUNT --step K]
                           ändert Slots und schreibt eine neue, geprüfte HEX-Datei
  export FILE.hex [-o DOC.json]
                           das Einstellungsdokument: jede Einstellung, die die Editoren zeigen
  apply FILE.hex DOC.json -o OUT.hex [--force]
                           bringt ein Einstellungsdokument in eine neue, geprüfte HEX-Datei
  diff --settings A B [--json]
                           die Einstellungen, die sich unterscheiden; A und B HEX-Dateien oder Dokumente
  inventory [--csv | --json] [--strict] FILE.hex|FOLDER...
                           jede benutzte Adresse, und die Adressen, die Slots teilen

&apos;quaxel-cli BEFEHL --help&apos; zeigt die Optionen eines Befehls.
  --help      dieser Text
  --version   die Version des Programms
  --          beendet die Optionen: jedes Argument danach ist ein Dateiname

Gelesen werden nur reguläre Dateien von höchstens 1 MiB; ersetzt wird nur eine
reguläre Datei, mit ihren Rechten, ihrem Besitzer und ihrer Gruppe. Ein FIFO,
ein Gerät, ein Socket, ein Ordner, eine Datei mit mehr als einem harten Link
oder eine, deren Besitzer oder Rechte sich nicht behalten lassen, wird
abgelehnt und nicht angerührt (Exit-Status 1; 2 bei diff).
</source>
        <translation>Usage: quaxel-cli COMMAND [OPTIONS]

Reads, compares and writes decoder firmware HEX files with the rules of the
Quaxel window, without a display.

Commands:
  info FILE.hex [--json]   type, version, protocol, slots, ID and config words
  diff A.hex B.hex         the byte differences of B against A, as &quot;HEX Info&quot; lists them
  set IN.hex -o OUT.hex [--slot N=ADDRESS[r|g][/FUNCTION]]... [--series COUNT --step K]
                           changes slots and writes a new, verified HEX file
  export FILE.hex [-o DOC.json]
                           the settings document: every setting the editors show
  apply FILE.hex DOC.json -o OUT.hex [--force]
                           puts a settings document into a new, verified HEX file
  diff --settings A B [--json]
                           the settings that differ, A and B HEX files or documents
  inventory [--csv | --json] [--strict] FILE.hex|FOLDER...
                           every address in use, and the addresses slots share

Run &apos;quaxel-cli COMMAND --help&apos; for the options of a command.
  --help      this text
  --version   the program&apos;s version
  --          ends the options: every argument after it is a file name

Only regular files of at most 1 MiB are read; only a regular file is replaced,
keeping its mode, owner and group. A FIFO, a device, a socket, a folder, a
file with more than one hard link or one whose owner or mode cannot be kept
is refused and left untouched (exit status 1; 2 for diff).
</translation>
    </message>
    <message>
        <source>Aufruf: quaxel-cli info FILE.hex [--json]

Lädt FILE wie &quot;HEX laden&quot; und gibt aus, was das Fenster zeigt: Code und
Bezeichnung des Decoder-Typs, Version, ID, Protokoll, jeden Slot des Typs mit
seiner Adresse und dem roten/grünen Ausgang (g, r) oder der Funktions-Nummer
(/N), die Typ-Worte, die ID-Worte und das Config-Wort.

  --json   ein JSON-Objekt statt Text
  --help   dieser Text

Eine Datei, deren Record-Prüfsummen nicht aufgehen, oder ohne End-Record wird
trotzdem gelesen; jeder solche Befund wird auf der Standardfehlerausgabe
gemeldet (und mit --json als &quot;warnings&quot; aufgeführt).

Exit-Status: 0 geladen und erkannt, 1 die Datei lässt sich nicht laden oder ihr
Typ wird nicht erkannt (was gelesen wurde, wird trotzdem ausgegeben), 2 falsche
Befehlszeile.
</source>
        <translation>Usage: quaxel-cli info FILE.hex [--json]

Loads FILE as &quot;HEX laden&quot; does and prints what the window shows: the decoder
type code and label, version, ID, protocol, every slot of the type with its
address and red/green output (g, r) or function number (/N), the type words,
the ID words and the config word.

  --json   one JSON object instead of text
  --help   this text

A file with record checksums that do not add up, or without an end record,
is read all the same; each such finding is printed on standard error (and
listed as &quot;warnings&quot; with --json).

Exit status: 0 loaded and recognised, 1 the file cannot be loaded or its type
is not recognised (what was read is printed all the same), 2 wrong command line.
</translation>
    </message>
    <message>
        <source>Aufruf: quaxel-cli diff A.hex B.hex

Lädt A und vergleicht jeden Record von B damit, wie es &quot;HEX Info&quot; und
&quot;vergleiche mit 2. HEX-File&quot; tun: die EEPROM-Zeilen, die ROM-, ID- und
CONFIG-Zeilen, jeweils gefolgt von den Anzahlen. Zeigen die Records von B keinen
Unterschied, lässt B aber Bytes aus, die A enthält, nennt eine letzte Zeile das
erste davon.

  --force  vergleicht Dateien mit falschen Record-Prüfsummen oder ohne End-Record
           (sonst abgelehnt)
  --help   dieser Text

Exit-Status: 0 die Abbilder sind gleich, 1 sie unterscheiden sich, 2 ein Fehler
(dann wird nichts auf die Standardausgabe geschrieben).
</source>
        <translation>Usage: quaxel-cli diff A.hex B.hex

Loads A and compares every record of B with it, as &quot;HEX Info&quot; and &quot;vergleiche
mit 2. HEX-File&quot; do: the EEPROM lines, the ROM, ID and CONFIG lines, each
followed by the counts. When B&apos;s records show no difference but B leaves out
bytes that A holds, a last line names the first of them.

  --force  compare files with bad record checksums or without an end record
           (refused otherwise)
  --help   this text

Exit status: 0 the images are equal, 1 they differ, 2 an error (nothing is
printed on standard output then).
</translation>
    </message>
    <message>
        <source>Aufruf: quaxel-cli diff --settings A B [--json] [--force]

Vergleicht die Einstellungen von A und B, jeweils eine HEX-Datei oder ein
Einstellungsdokument, und gibt für jede Einstellung, die sich unterscheidet,
eine Zeile in den Worten der Editoren aus: &quot;Adresse 03: 12g -&gt; 14r&quot;,
&quot;Kurve 2: Anzahl Punkte 30 -&gt; 20&quot;. Eine Einstellung, die ein Dokument auslässt,
wird nicht verglichen.

  --settings  vergleicht Einstellungen, nicht Bytes
  --json      gibt stattdessen ein Teil-Einstellungsdokument der abweichenden
              Einstellungen von B aus, das &apos;apply&apos; annimmt
  --force     vergleicht HEX-Dateien mit falschen Record-Prüfsummen oder ohne
              End-Record (sonst abgelehnt)
  --help      dieser Text
  --          beendet die Optionen

Exit-Status: 0 alle Einstellungen sind gleich, 1 eine Einstellung unterscheidet sich, 2 ein Fehler.
</source>
        <translation>Usage: quaxel-cli diff --settings A B [--json] [--force]

Compares the settings of A and B, each a HEX file or a settings document, and
prints one line for each setting that differs, in the editors&apos; terms:
&quot;Address 03: 12g -&gt; 14r&quot;, &quot;Curve 2: Points 30 -&gt; 20&quot;. A setting
that a document leaves out is not compared.

  --settings  compare settings, not bytes
  --json      print a partial settings document of B&apos;s differing settings
              instead, which &apos;apply&apos; takes
  --force     compare HEX files with bad record checksums or without an end
              record (refused otherwise)
  --help      this text
  --          ends the options

Exit status: 0 every setting is equal, 1 a setting differs, 2 an error.
</translation>
    </message>
    <message>
        <source>Aufruf: quaxel-cli set IN.hex -o OUT.hex [--slot N=ADDRESS[r|g][/FUNCTION]]...
                      [--series COUNT --step K]

Lädt IN, ändert die Slots, prüft sie mit den Regeln und Meldungen von
&quot;HEX speichern&quot;, schreibt OUT mit demselben Schreiber und liest die Datei zur
Prüfung zurück. Wie &quot;HEX speichern&quot; schreibt es die Korrekturen, die die
Editoren am Geladenen machen (ein SW1-Byte oder ein Fading-Code, den die
Firmware nicht kennt).

  -o, --output OUT.hex   die zu schreibende Datei (nötig); &apos;-&apos; schreibt den
                         HEX-Text auf die Standardausgabe, ohne Zurücklesen
  --slot N=VALUE         Slot N (1 bis 47, wie &apos;info&apos; ihn zählt) bekommt einen neuen Wert:
                           ADDRESS        die Adresse (0: unbenutzt, wo der
                                          Decoder-Typ das speichern kann)
                           ADDRESS g / r  und den grünen oder roten Ausgang (Zubehör-Decoder)
                           ADDRESS/F      und die Funktions-Nummer F, ab 1 (Funktions-Decoder)
                         ein ausgelassener Teil behält seinen Wert, z. B. 3=g oder 4=/2
  --series COUNT         schreibt COUNT Dateien OUT-1.hex .. OUT-COUNT.hex
  --step K               die Adressen von Datei n+1 sind die von Datei n plus K
                         (K &gt;= 1; Slots mit Adresse 0 bleiben unbenutzt)
  --force                nimmt eine Eingabe mit falschen Record-Prüfsummen oder
                         ohne End-Record (sonst abgelehnt)
  --help                 dieser Text
  --                     beendet die Optionen

Ein Wert, den die Regeln ablehnen, oder einer, den der Decoder nicht speichern
kann, beendet den Befehl mit der Meldung des Fensters und schreibt nichts. Eine
Serie wird ganz oder gar nicht geschrieben: jede Datei geht zuerst unter einen
vorläufigen Namen und wird zurückgelesen; erst wenn alle geschrieben sind,
werden sie an ihren Platz umbenannt. Adressen, die den gültigen Bereich
verlassen würden, werden abgelehnt, bevor etwas geschrieben wird.

Ersetzt wird nur eine reguläre Datei (oder ein Link auf eine), mit ihren
Rechten, ihrem Besitzer und ihrer Gruppe; ein FIFO, ein Gerät, ein Ordner, eine
Datei mit mehr als einem harten Link oder eine, deren Besitzer oder Rechte sich
nicht behalten lassen, wird abgelehnt und nicht angerührt.

Exit-Status: 0 geschrieben und geprüft, 1 abgelehnt oder nicht geprüft, 2 falsche Befehlszeile.
</source>
        <translation>Usage: quaxel-cli set IN.hex -o OUT.hex [--slot N=ADDRESS[r|g][/FUNCTION]]...
                      [--series COUNT --step K]

Loads IN, changes the slots, checks them with the rules and messages of
&quot;HEX speichern&quot;, writes OUT with the same writer and reads it back to verify it.
Like &quot;HEX speichern&quot;, it writes the corrections the editors make to what
they load (an SW1 byte or a fading code the firmware does not know).

  -o, --output OUT.hex   the file to write (required); &apos;-&apos; writes the HEX text
                         to standard output, without reading it back
  --slot N=VALUE         slot N (1 to 47, as &apos;info&apos; numbers it) gets a new value:
                           ADDRESS        the address (0: unused, where the decoder
                                          type can store it)
                           ADDRESS g / r  and the green or red output (accessory decoders)
                           ADDRESS/F      and function number F, from 1 (function decoders)
                         a part left out keeps its value, e.g. 3=g or 4=/2
  --series COUNT         writes COUNT files OUT-1.hex .. OUT-COUNT.hex
  --step K               the addresses of file n+1 are those of file n plus K
                         (K &gt;= 1; slots with address 0 stay unused)
  --force                use an input with bad record checksums or without an
                         end record (refused otherwise)
  --help                 this text
  --                     ends the options

A value the rules refuse, or one the decoder cannot store, stops the command
with the window&apos;s message and writes nothing. A series is written all or
nothing: every file goes to a temporary name first and is read back; only when
all are written are they renamed into place. Addresses that would leave the
valid range are refused before anything is written.

Only a regular file (or a link to one) is replaced, keeping its mode, owner and
group; a FIFO, a device, a folder, a file with more than one hard link or one
whose owner or mode cannot be kept is refused and left untouched.

Exit status: 0 written and verified, 1 refused or not verified, 2 wrong command line.
</translation>
    </message>
    <message>
        <source>Aufruf: quaxel-cli export FILE.hex [-o DOC.json]

Lädt FILE wie &quot;HEX laden&quot; und schreibt ihr Einstellungsdokument: jede
Einstellung, die die Editoren für ihren Decoder-Typ zeigen (Slots, Modes, CVs,
Blinkmuster, Servo-Einstellungen und Kurven), mit dem Decoder und dem Namen und
SHA-256 der Quelldatei. Das Format beschreibt docs/settings-format.md.

  -o, --output DOC.json   die zu schreibende Datei; ohne sie, oder mit &apos;-&apos;, geht
                          das Dokument auf die Standardausgabe
  --help                  dieser Text
  --                      beendet die Optionen

Eine vorhandene DOC.json wird nur ersetzt, wenn sie ein JSON-Objekt enthält (ein
früheres Dokument); jede andere Datei, die HEX-Datei selbst eingeschlossen, wird
abgelehnt und behalten.

Eine Datei mit falschen Record-Prüfsummen oder ohne End-Record wird trotzdem
gelesen; jeder Befund wird auf der Standardfehlerausgabe gemeldet.

Exit-Status: 0 geschrieben, 1 die Datei lässt sich nicht laden, wird nicht
erkannt oder das Dokument lässt sich nicht schreiben, 2 falsche Befehlszeile.
</source>
        <translation>Usage: quaxel-cli export FILE.hex [-o DOC.json]

Loads FILE as &quot;HEX laden&quot; does and writes its settings document: every
setting the editors show for its decoder type (slots, modes, CVs, blink
patterns, servo settings and curves), with the decoder and the source file&apos;s
name and SHA-256. The format is described in docs/settings-format.md.

  -o, --output DOC.json   the file to write; without it, or with &apos;-&apos;, the
                          document goes to standard output
  --help                  this text
  --                      ends the options

An existing DOC.json is replaced only when it holds a JSON object (an earlier
document); any other file, the HEX file itself among them, is refused and kept.

A file with bad record checksums or without an end record is read all the
same; each finding is printed on standard error.

Exit status: 0 written, 1 the file cannot be loaded, is not recognised or the
document cannot be written, 2 wrong command line.
</translation>
    </message>
    <message>
        <source>Aufruf: quaxel-cli apply FILE.hex DOC.json -o OUT.hex [--force]

Lädt FILE, bringt die Einstellungen von DOC über die Regeln der Editoren hinein,
als wären sie im Fenster eingegeben, schreibt OUT mit demselben Schreiber wie
&quot;HEX speichern&quot; und liest die Datei zur Prüfung zurück. Eine Einstellung, die
DOC auslässt, behält ihren Wert. DOC darf von einer anderen Version desselben
Decoder-Typs stammen; ein Dokument für einen anderen Typ, oder eine FILE, deren
Decoder nicht erkannt wird, wird abgelehnt.

  -o, --output OUT.hex   die zu schreibende Datei (nötig); &apos;-&apos; schreibt den
                         HEX-Text auf die Standardausgabe, ohne Zurücklesen
  --force                nimmt eine Eingabe mit falschen Record-Prüfsummen oder
                         ohne End-Record (sonst abgelehnt)
  --help                 dieser Text
  --                     beendet die Optionen

Alles oder nichts: ein Dokument, das kein JSON ist, eine andere Format-Version,
einen unbekannten Schlüssel oder einen Wert falscher Art oder außerhalb des
Bereichs hat, oder eine Einstellung, die die Regeln ablehnen, beendet den Befehl
mit einer Meldung, die den JSON-Pfad der Einstellung nennt (und die Meldung des
Fensters, wo es eine hat); nichts wird geschrieben.

Exit-Status: 0 geschrieben und geprüft, 1 abgelehnt oder nicht geprüft, 2 falsche Befehlszeile.
</source>
        <translation>Usage: quaxel-cli apply FILE.hex DOC.json -o OUT.hex [--force]

Loads FILE, puts the settings of DOC into it through the editors&apos; rules, as
if they were typed into the window, writes OUT with the same writer as
&quot;HEX speichern&quot; and reads it back to verify it. A setting DOC leaves out
keeps its value. DOC may come from another version of the same decoder type;
a document for another type, or a FILE whose decoder is not recognised, is
refused.

  -o, --output OUT.hex   the file to write (required); &apos;-&apos; writes the HEX text
                         to standard output, without reading it back
  --force                use an input with bad record checksums or without an
                         end record (refused otherwise)
  --help                 this text
  --                     ends the options

All or nothing: a document that is no JSON, has another format version, an
unknown key or a value of the wrong kind or range, or a setting that the rules
refuse, stops the command with a message naming the JSON path of the setting
(and the window&apos;s message where it has one); nothing is written.

Exit status: 0 written and verified, 1 refused or not verified, 2 wrong command line.
</translation>
    </message>
    <message>
        <source>Aufruf: quaxel-cli inventory [--csv | --json] [--strict] FILE.hex|FOLDER...

Listet jede benutzte Adresse über viele Decoder, eine Zeile je Slot: Datei, Typ,
Protokoll, Slot-Bezeichnung, Adresse und Ausgang (g, r) oder Funktion (F3). Ein
FOLDER steht für die .hex-Dateien darin (nicht die seiner Unterordner).
Adressen, die zwei Slots teilen (dasselbe Protokoll, dieselbe Adresse und
derselbe Ausgang, in einer Datei oder in mehreren), stehen am Ende; Teilen kann
gewollt sein und ist kein Fehler.

  --csv      eine Tabelle mit Kommas und einer Kopfzeile; ihre letzte Spalte
             zählt die anderen Slots, die die Adresse der Zeile teilen
  --json     die Zeilen und die geteilten Adressen als JSON
  --strict   Exit-Status 1, wenn eine Adresse geteilt wird
  --help     dieser Text
  --         beendet die Optionen

Eine Datei, die sich nicht laden lässt, wird auf der Standardfehlerausgabe
genannt und ausgelassen.

Exit-Status: 0 aufgelistet, 1 eine Adresse wird geteilt und --strict ist
gegeben, 2 eine Datei ließ sich nicht laden oder eine falsche Befehlszeile.
</source>
        <translation>Usage: quaxel-cli inventory [--csv | --json] [--strict] FILE.hex|FOLDER...

Lists every address in use across many decoders, one row per slot: file, type,
protocol, slot label, address and output (g, r) or function (F3). A FOLDER
stands for the .hex files in it (not those of its subfolders). Addresses that
two slots share (the same protocol, address and output, in one file or in
several) are listed at the end; sharing may be intended and is no error.

  --csv      a comma-separated table with one header row; its last column
             counts the other slots that share the row&apos;s address
  --json     the rows and the shared addresses as JSON
  --strict   exit with status 1 when an address is shared
  --help     this text
  --         ends the options

A file that cannot be loaded is named on standard error and left out.

Exit status: 0 listed, 1 an address is shared and --strict is given, 2 a file
could not be loaded or a wrong command line.
</translation>
    </message>
</context>
</TS>
