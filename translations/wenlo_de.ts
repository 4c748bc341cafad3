<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>Abandon</name>
    <message>
        <source>Abandon this game? It counts as lost.</source>
        <translation>Dieses Spiel aufgeben? Es zählt als verloren.</translation>
    </message>
</context>
<context>
    <name>App</name>
    <message>
        <source> (process %1)</source>
        <translation> (Prozess %1)</translation>
    </message>
    <message>
        <source>Wenlo Solitaire Collection is already running with the data folder %1%2. Only one can use it at a time, or the results of one would erase the other&apos;s: close it first, or use another --data-dir.</source>
        <translation>Die Wenlo Solitaire Collection läuft bereits mit dem Datenordner %1%2. Nur eine kann ihn gleichzeitig nutzen, sonst würden die Ergebnisse der einen die der anderen löschen: Schließen Sie sie zuerst, oder verwenden Sie ein anderes --data-dir.</translation>
    </message>
</context>
<context>
    <name>Card</name>
    <message>
        <source>A</source>
        <translation>A</translation>
    </message>
    <message>
        <source>J</source>
        <translation>B</translation>
    </message>
    <message>
        <source>Q</source>
        <translation>D</translation>
    </message>
    <message>
        <source>K</source>
        <translation>K</translation>
    </message>
</context>
<context>
    <name>CardFaces</name>
    <message>
        <source>Large print</source>
        <translation>Großdruck</translation>
    </message>
    <message>
        <source>Four colours</source>
        <translation>Vier Farben</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Standard</translation>
    </message>
</context>
<context>
    <name>Difficulty</name>
    <message>
        <source>Easy</source>
        <translation>Leicht</translation>
    </message>
    <message>
        <source>Average</source>
        <translation>Mittel</translation>
    </message>
    <message>
        <source>Difficult</source>
        <translation>Schwer</translation>
    </message>
</context>
<context>
    <name>ExitHandling</name>
    <message>
        <source>Your statistics, settings or game in progress could not be saved; the files keep what they held before this session.</source>
        <translation>Ihre Statistik, Ihre Einstellungen oder das laufende Spiel konnten nicht gespeichert werden; die Dateien enthalten weiterhin den Stand vor dieser Sitzung.</translation>
    </message>
</context>
<context>
    <name>Game</name>
    <message>
        <source>WindMill</source>
        <translation>Windmühle</translation>
    </message>
    <message>
        <source>Topsy-Turvy Queens</source>
        <translation>Topsy-Turvy Queens</translation>
    </message>
    <message>
        <source>King&apos;s Secrets</source>
        <translation>King&apos;s Secrets</translation>
    </message>
    <message>
        <source>Canfield</source>
        <translation>Canfield</translation>
    </message>
    <message>
        <source>In a frame</source>
        <translation>In a frame</translation>
    </message>
    <message>
        <source>Obstacle-race</source>
        <translation>Obstacle-race</translation>
    </message>
    <message>
        <source>King Albert</source>
        <translation>König Albert</translation>
    </message>
    <message>
        <source>Troika</source>
        <translation>Troika</translation>
    </message>
    <message>
        <source>Sir Tommy</source>
        <translation>Sir Tommy</translation>
    </message>
    <message>
        <source>Lady Betty</source>
        <translation>Lady Betty</translation>
    </message>
    <message>
        <source>Bisley</source>
        <translation>Bisley</translation>
    </message>
    <message>
        <source>One Pack</source>
        <translation>One Pack</translation>
    </message>
    <message>
        <source>Turncoats</source>
        <translation>Turncoats</translation>
    </message>
    <message>
        <source>Pharaoh</source>
        <translation>Pharaoh</translation>
    </message>
    <message>
        <source>Flower Garden</source>
        <translation>Blumengarten</translation>
    </message>
    <message>
        <source>Diplomat</source>
        <translation>Diplomat</translation>
    </message>
    <message>
        <source>Twelve Sleeping Maids</source>
        <translation>Twelve Sleeping Maids</translation>
    </message>
    <message>
        <source>Carpet</source>
        <translation>Carpet</translation>
    </message>
    <message>
        <source>Short Solitaire</source>
        <translation>Short Solitaire</translation>
    </message>
    <message>
        <source>Steeplechase</source>
        <translation>Steeplechase</translation>
    </message>
    <message>
        <source>Elma</source>
        <translation>Elma</translation>
    </message>
    <message>
        <source>Egyptian Pyramid</source>
        <translation>Egyptian Pyramid</translation>
    </message>
    <message>
        <source>Simple</source>
        <translation>Simple</translation>
    </message>
    <message>
        <source>Carlton</source>
        <translation>Carlton</translation>
    </message>
    <message>
        <source>Shamrocks</source>
        <translation>Shamrocks</translation>
    </message>
    <message>
        <source>Napoleon Leaves Moscow</source>
        <translation>Napoleon Leaves Moscow</translation>
    </message>
    <message>
        <source>Napoleon Takes Moscow</source>
        <translation>Napoleon Takes Moscow</translation>
    </message>
    <message>
        <source>Forty Thieves</source>
        <translation>Vierzig Räuber</translation>
    </message>
    <message>
        <source>Castle</source>
        <translation>Castle</translation>
    </message>
    <message>
        <source>Triple Union</source>
        <translation>Triple Union</translation>
    </message>
    <message>
        <source>Three Fir-trees</source>
        <translation>Three Fir-trees</translation>
    </message>
    <message>
        <source>Binding</source>
        <translation>Binding</translation>
    </message>
    <message>
        <source>FreeCell</source>
        <translation>FreeCell</translation>
    </message>
    <message>
        <source>Stacks</source>
        <translation>Stacks</translation>
    </message>
    <message>
        <source>Sultan</source>
        <translation>Sultan</translation>
    </message>
    <message>
        <source>Four Packs</source>
        <translation>Four Packs</translation>
    </message>
    <message>
        <source>Josephine</source>
        <translation>Josephine</translation>
    </message>
    <message>
        <source>Martha</source>
        <translation>Martha</translation>
    </message>
    <message>
        <source>Emperor</source>
        <translation>Emperor</translation>
    </message>
    <message>
        <source>Number Ten</source>
        <translation>Number Ten</translation>
    </message>
    <message>
        <source>Indian</source>
        <translation>Indian</translation>
    </message>
    <message>
        <source>Banner</source>
        <translation>Banner</translation>
    </message>
    <message>
        <source>Masquerade</source>
        <translation>Masquerade</translation>
    </message>
    <message>
        <source>Rectangle</source>
        <translation>Rectangle</translation>
    </message>
    <message>
        <source>Desire</source>
        <translation>Desire</translation>
    </message>
    <message>
        <source>Doubt</source>
        <translation>Doubt</translation>
    </message>
</context>
<context>
    <name>GameFlow</name>
    <message>
        <source>%1 [#%2, winnable]</source>
        <translation>%1 [#%2, gewinnbar]</translation>
    </message>
    <message>
        <source>%1 [#%2, deal of the day]</source>
        <translation>%1 [#%2, Spiel des Tages]</translation>
    </message>
    <message>
        <source>Player: %1</source>
        <translation>Spieler: %1</translation>
    </message>
    <message>
        <source>Redeals: %1</source>
        <translation>Neuverteilungen: %1</translation>
    </message>
    <message>
        <source>Score: $%1</source>
        <translation>Punkte: $%1</translation>
    </message>
    <message>
        <source>%1 [#%2]</source>
        <translation>%1 [#%2]</translation>
    </message>
</context>
<context>
    <name>GameListModel</name>
    <message>
        <source>Game</source>
        <translation>Patience</translation>
    </message>
    <message>
        <source>Difficulty</source>
        <translation>Schwierigkeit</translation>
    </message>
    <message>
        <source>Decks</source>
        <translation>Decks</translation>
    </message>
</context>
<context>
    <name>Grade</name>
    <message>
        <source>Easy</source>
        <translation>Leicht</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Mittel</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Schwer</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>Experte</translation>
    </message>
</context>
<context>
    <name>Hint</name>
    <message>
        <source>Deal from the stock</source>
        <translation>Vom Talon geben</translation>
    </message>
    <message>
        <source>%1 home</source>
        <translation>%1 auf den Grundstapel</translation>
    </message>
    <message>
        <source>Play %1</source>
        <translation>%1 spielen</translation>
    </message>
    <message>
        <source>%1 onto %2</source>
        <translation>%1 auf %2</translation>
    </message>
    <message>
        <source>%1 to an empty foundation</source>
        <translation>%1 auf einen leeren Grundstapel</translation>
    </message>
    <message>
        <source>%1 to an empty pile</source>
        <translation>%1 auf einen leeren Stapel</translation>
    </message>
    <message>
        <source>No more moves</source>
        <translation>Keine Züge mehr</translation>
    </message>
</context>
<context>
    <name>Hiscore</name>
    <message>
        <source>Total score</source>
        <translation>Gesamtpunkte</translation>
    </message>
    <message>
        <source>Average score</source>
        <translation>Durchschnitt</translation>
    </message>
    <message>
        <source>W/L percent</source>
        <translation>Gewinnquote</translation>
    </message>
</context>
<context>
    <name>History</name>
    <message>
        <source>won</source>
        <translation>gewonnen</translation>
    </message>
    <message>
        <source>lost</source>
        <translation>verloren</translation>
    </message>
    <message>
        <source>abandoned</source>
        <translation>aufgegeben</translation>
    </message>
    <message>
        <source>chosen number</source>
        <translation>gewählte Nummer</translation>
    </message>
    <message>
        <source>random</source>
        <translation>zufällig</translation>
    </message>
    <message>
        <source>winnable-only</source>
        <translation>nur gewinnbare</translation>
    </message>
    <message>
        <source>deal of the day</source>
        <translation>Spiel des Tages</translation>
    </message>
    <message>
        <source>won with Solve</source>
        <translation>mit Lösen gewonnen</translation>
    </message>
    <message>
        <source>%1 won</source>
        <translation>%1 gewonnen</translation>
    </message>
    <message>
        <source>%1 lost</source>
        <translation>%1 verloren</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Patience</translation>
    </message>
    <message>
        <source>Played</source>
        <translation>Gespielt</translation>
    </message>
    <message>
        <source>Won</source>
        <translation>Gewonnen</translation>
    </message>
    <message>
        <source>Win rate</source>
        <translation>Quote</translation>
    </message>
    <message>
        <source>Streak</source>
        <translation>Serie</translation>
    </message>
    <message>
        <source>Best run</source>
        <translation>Beste Serie</translation>
    </message>
    <message>
        <source>Worst run</source>
        <translation>Schlechteste Serie</translation>
    </message>
    <message>
        <source>Best time</source>
        <translation>Bestzeit</translation>
    </message>
    <message>
        <source>Fewest</source>
        <translation>Wenigste Züge</translation>
    </message>
    <message>
        <source>Avg. win</source>
        <translation>Ø Gewinn</translation>
    </message>
    <message>
        <source>Games won or lost without Solve</source>
        <translation>Ohne Lösen gewonnene oder verlorene Spiele</translation>
    </message>
    <message>
        <source>The current streak: wins or losses in a row up to the last game</source>
        <translation>Die laufende Serie: Siege oder Niederlagen in Folge bis zum letzten Spiel</translation>
    </message>
    <message>
        <source>The longest winning streak</source>
        <translation>Die längste Gewinnserie</translation>
    </message>
    <message>
        <source>The longest losing streak</source>
        <translation>Die längste Verlustserie</translation>
    </message>
    <message>
        <source>The shortest playing time of a win</source>
        <translation>Die kürzeste Spielzeit eines gewonnenen Spiels</translation>
    </message>
    <message>
        <source>The fewest moves of a win</source>
        <translation>Die wenigsten Züge eines gewonnenen Spiels</translation>
    </message>
    <message>
        <source>The average playing time of the won games</source>
        <translation>Die durchschnittliche Spielzeit der gewonnenen Spiele</translation>
    </message>
    <message>
        <source>All results</source>
        <translation>Alle Ergebnisse</translation>
    </message>
    <message>
        <source>Won with Solve</source>
        <translation>Mit Lösen gewonnen</translation>
    </message>
    <message>
        <source>Lost</source>
        <translation>Verloren</translation>
    </message>
    <message>
        <source>Abandoned</source>
        <translation>Aufgegeben</translation>
    </message>
    <message>
        <source>Ended</source>
        <translation>Beendet</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Nummer</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>Moves</source>
        <translation>Züge</translation>
    </message>
    <message>
        <source>Undos</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Hints</source>
        <translation>Tipps</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Punkte</translation>
    </message>
    <message>
        <source>Dealt</source>
        <translation>Gegeben</translation>
    </message>
    <message>
        <source>Last 7 days</source>
        <translation>Letzte 7 Tage</translation>
    </message>
    <message>
        <source>Last 30 days</source>
        <translation>Letzte 30 Tage</translation>
    </message>
    <message>
        <source>Last year</source>
        <translation>Letztes Jahr</translation>
    </message>
    <message>
        <source>All time</source>
        <translation>Insgesamt</translation>
    </message>
    <message>
        <source>%1% (%2 of %3)</source>
        <translation>%1 % (%2 von %3)</translation>
    </message>
    <message>
        <source>All games</source>
        <translation>Alle Patiencen</translation>
    </message>
    <message>
        <source>&amp;Play this deal again</source>
        <translation>Dieses Spiel &amp;noch einmal</translation>
    </message>
    <message>
        <source>&amp;Export CSV...</source>
        <translation>CSV &amp;exportieren...</translation>
    </message>
    <message>
        <source>not won</source>
        <translation>nicht gewonnen</translation>
    </message>
    <message>
        <source>Games per day</source>
        <translation>Spiele pro Tag</translation>
    </message>
    <message>
        <source>Games per week</source>
        <translation>Spiele pro Woche</translation>
    </message>
    <message>
        <source>Last 30 days, per day</source>
        <translation>Letzte 30 Tage, pro Tag</translation>
    </message>
    <message>
        <source>Last 26 weeks, per week</source>
        <translation>Letzte 26 Wochen, pro Woche</translation>
    </message>
</context>
<context>
    <name>Language</name>
    <message>
        <source>System</source>
        <translation>System</translation>
    </message>
</context>
<context>
    <name>Pharaoh</name>
    <message>
        <source>Re&amp;Deal</source>
        <translation>Neu &amp;verteilen</translation>
    </message>
</context>
<context>
    <name>PlayerEditor</name>
    <message>
        <source>Edit player list</source>
        <translation>Spielerliste bearbeiten</translation>
    </message>
    <message>
        <source>Player with this name already exists</source>
        <translation>Ein Spieler mit diesem Namen existiert bereits</translation>
    </message>
    <message>
        <source>You can not delete the last player</source>
        <translation>Der letzte Spieler kann nicht gelöscht werden</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Hinweis</translation>
    </message>
    <message>
        <source>Delete player</source>
        <translation>Spieler löschen</translation>
    </message>
    <message>
        <source>Are you sure you want to delete player &apos;%1&apos; ?</source>
        <translation>Möchten Sie den Spieler „%1“ wirklich löschen?</translation>
    </message>
    <message>
        <source>Add a player</source>
        <translation>Spieler hinzufügen</translation>
    </message>
    <message>
        <source>Enter player name</source>
        <translation>Name des Spielers eingeben</translation>
    </message>
    <message>
        <source>Edit player</source>
        <translation>Spieler bearbeiten</translation>
    </message>
    <message>
        <source>Edit player name</source>
        <translation>Namen des Spielers ändern</translation>
    </message>
</context>
<context>
    <name>ShuffleInput</name>
    <message>
        <source>Game number doesn&apos;t fit the range 1..2147483647</source>
        <translation>Die Spielnummer liegt nicht im Bereich 1..2147483647</translation>
    </message>
</context>
<context>
    <name>SolverControl</name>
    <message>
        <source>a card</source>
        <translation>eine Karte</translation>
    </message>
    <message>
        <source>Not winnable since turning the %1: Undo takes it back</source>
        <translation>Nicht gewinnbar seit dem Umdrehen der %1: Rückgängig nimmt es zurück</translation>
    </message>
    <message>
        <source>Not winnable since moving the %1: Undo takes it back</source>
        <translation>Nicht gewinnbar seit dem Zug der %1: Rückgängig nimmt ihn zurück</translation>
    </message>
    <message>
        <source>Not winnable</source>
        <translation>Nicht gewinnbar</translation>
    </message>
    <message>
        <source>Winnable</source>
        <translation>Gewinnbar</translation>
    </message>
    <message>
        <source>Can&apos;t tell</source>
        <translation>Unklar</translation>
    </message>
    <message>
        <source>Checking…</source>
        <translation>Prüfe…</translation>
    </message>
</context>
<context>
    <name>StatsTable</name>
    <message>
        <source>Game</source>
        <translation>Patience</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Gesamt</translation>
    </message>
    <message>
        <source>Won</source>
        <translation>Gewonnen</translation>
    </message>
    <message>
        <source>Lost</source>
        <translation>Verloren</translation>
    </message>
    <message>
        <source>Percent</source>
        <translation>Prozent</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Punkte</translation>
    </message>
    <message>
        <source>Average</source>
        <translation>Schnitt</translation>
    </message>
</context>
<context>
    <name>TAbandonDlg</name>
    <message>
        <source>Don&apos;t ask again</source>
        <translation>Nicht mehr fragen</translation>
    </message>
</context>
<context>
    <name>TAboutBox</name>
    <message>
        <source>Build %1</source>
        <translation>Stand %1</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Free software: share and change it
under the GNU General Public License,
version 3 or later. No warranty.</source>
        <translation>Freie Software: Weitergabe und Änderung
unter der GNU General Public License,
Version 3 oder später. Keine Garantie.</translation>
    </message>
    <message>
        <source>Licence:</source>
        <translation>Lizenz:</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
</context>
<context>
    <name>TDeck</name>
    <message>
        <source>Cards in deck: %1</source>
        <translation>Karten im Stapel: %1</translation>
    </message>
    <message>
        <source>This move is not allowed</source>
        <translation>Dieser Zug ist nicht erlaubt</translation>
    </message>
</context>
<context>
    <name>TDeckForm</name>
    <message>
        <source>Deck Options</source>
        <translation>Kartenrücken</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
</context>
<context>
    <name>TEditPlayer_Form</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>TEmptyColDlg</name>
    <message>
        <source>Move to empty column...</source>
        <translation>In leere Spalte verschieben...</translation>
    </message>
    <message>
        <source>Move &amp;column</source>
        <translation>Ganze &amp;Folge verschieben</translation>
    </message>
    <message>
        <source>Move &amp;single card</source>
        <translation>&amp;Einzelne Karte verschieben</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>TGameDlg</name>
    <message>
        <source>Select Solitaire</source>
        <translation>Patience wählen</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Spieler</translation>
    </message>
    <message>
        <source>Edit player list</source>
        <translation>Spielerliste bearbeiten</translation>
    </message>
    <message>
        <source>AutoPlay</source>
        <translation>Automatisch ablegen</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Ein</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Aus</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
</context>
<context>
    <name>TGameToolbar</name>
    <message>
        <source>Toolbar</source>
        <translation>Symbolleiste</translation>
    </message>
    <message>
        <source>Moves: %1</source>
        <translation>Züge: %1</translation>
    </message>
    <message>
        <source>Time: %1</source>
        <translation>Zeit: %1</translation>
    </message>
</context>
<context>
    <name>THelpWindow</name>
    <message>
        <source>this topic</source>
        <translation>dieses Thema</translation>
    </message>
    <message>
        <source>Wenlo Solitaire Collection Help</source>
        <translation>Hilfe zu Wenlo Solitaire Collection</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Inhalt</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Zurück</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>&amp;Vor</translation>
    </message>
    <message>
        <source>No help yet</source>
        <translation>Noch keine Hilfe</translation>
    </message>
    <message>
        <source>Sorry, the help for %1 has not been written yet.</source>
        <translation>Die Hilfe zu %1 ist leider noch nicht geschrieben.</translation>
    </message>
    <message>
        <source>Until it is, try the game itself: click a card to pick it up, then click where it should go. Undo takes back any move.</source>
        <translation>Probieren Sie bis dahin das Spiel selbst aus: Klicken Sie auf eine Karte, um sie aufzunehmen, und dann dorthin, wo sie hin soll. Rückgängig nimmt jeden Zug zurück.</translation>
    </message>
    <message>
        <source>Back to the contents</source>
        <translation>Zurück zum Inhalt</translation>
    </message>
    <message>
        <source>Topic %1</source>
        <translation>Thema %1</translation>
    </message>
</context>
<context>
    <name>THiscoreForm</name>
    <message>
        <source>Hi-Scores for game &apos;%1&apos;</source>
        <translation>Bestenliste für „%1“</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Patience</translation>
    </message>
    <message>
        <source>By total score</source>
        <translation>Nach Gesamtpunkten</translation>
    </message>
    <message>
        <source>By average score</source>
        <translation>Nach Durchschnitt</translation>
    </message>
    <message>
        <source>By W/L percent</source>
        <translation>Nach Gewinnquote</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Spieler</translation>
    </message>
</context>
<context>
    <name>TMain_F</name>
    <message>
        <source>Recommended screen resolution is 800x600 or higher</source>
        <translation>Empfohlen wird eine Bildschirmauflösung von 800x600 oder mehr</translation>
    </message>
    <message>
        <source>Some of your files could not be read:</source>
        <translation>Einige Ihrer Dateien konnten nicht gelesen werden:</translation>
    </message>
    <message>
        <source>No winnable deal of this grade was found among %1 numbers.</source>
        <translation>Unter %1 Nummern wurde kein gewinnbares Spiel dieser Stufe gefunden.</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Spiel</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>&amp;Neues Spiel</translation>
    </message>
    <message>
        <source>&amp;Restart Game</source>
        <translation>Spiel neu &amp;starten</translation>
    </message>
    <message>
        <source>Select Shu&amp;ffle</source>
        <translation>&amp;Mischung wählen</translation>
    </message>
    <message>
        <source>&amp;Select Solitaire...</source>
        <translation>&amp;Patience wählen...</translation>
    </message>
    <message>
        <source>Deal of the &amp;Day</source>
        <translation>Spiel des &amp;Tages</translation>
    </message>
    <message>
        <source>Statistics...</source>
        <translation>Statistik...</translation>
    </message>
    <message>
        <source>&amp;Undo	Ctrl+Z</source>
        <translation>&amp;Rückgängig	Strg+Z</translation>
    </message>
    <message>
        <source>&amp;Redo	Ctrl+R</source>
        <translation>&amp;Wiederholen	Strg+R</translation>
    </message>
    <message>
        <source>&amp;Hint</source>
        <translation>T&amp;ipp</translation>
    </message>
    <message>
        <source>Sol&amp;ve</source>
        <translation>&amp;Lösen</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>&amp;Deck...</source>
        <translation>&amp;Kartenrücken...</translation>
    </message>
    <message>
        <source>&amp;Options...</source>
        <translation>&amp;Optionen...</translation>
    </message>
    <message>
        <source>Statusbar</source>
        <translation>Statusleiste</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>&amp;Symbolleiste</translation>
    </message>
    <message>
        <source>&amp;Full Screen</source>
        <translation>&amp;Vollbild</translation>
    </message>
    <message>
        <source>Show whether &amp;winnable</source>
        <translation>&amp;Gewinnbarkeit anzeigen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Contents...</source>
        <translation>&amp;Inhalt...</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>Inf&amp;o...</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>New Game (F2)</source>
        <translation>Neues Spiel (F2)</translation>
    </message>
    <message>
        <source>Restart</source>
        <translation>Neustart</translation>
    </message>
    <message>
        <source>Restart Game</source>
        <translation>Spiel neu starten</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Undo (Ctrl+Z)</source>
        <translation>Rückgängig (Strg+Z)</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <source>Redo (Ctrl+R)</source>
        <translation>Wiederholen (Strg+R)</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Tipp</translation>
    </message>
    <message>
        <source>Hint (H)</source>
        <translation>Tipp (H)</translation>
    </message>
    <message>
        <source>Solve</source>
        <translation>Lösen</translation>
    </message>
    <message>
        <source>%1 Help</source>
        <translation>Hilfe zu %1</translation>
    </message>
    <message>
        <source>Game won: %1</source>
        <translation>Spiel gewonnen: %1</translation>
    </message>
</context>
<context>
    <name>TOptions</name>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>Display messages on illegal move</source>
        <translation>Meldung bei ungültigem Zug anzeigen</translation>
    </message>
    <message>
        <source>One move Undo/Redo</source>
        <translation>Einen Zug rückgängig</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Hintergrund</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Allgemein</translation>
    </message>
    <message>
        <source>Play sound</source>
        <translation>Töne abspielen</translation>
    </message>
    <message>
        <source>Minimize to Taskbar Tray</source>
        <translation>In den Infobereich minimieren</translation>
    </message>
    <message>
        <source>Show empty tableau piles</source>
        <translation>Leere Tableaustapel anzeigen</translation>
    </message>
    <message>
        <source>Undo/Redo</source>
        <translation>Rückgängig/Wiederholen</translation>
    </message>
    <message>
        <source>Disable Undo/Redo</source>
        <translation>Kein Rückgängig</translation>
    </message>
    <message>
        <source>Multi-Level</source>
        <translation>Beliebig viele Züge</translation>
    </message>
    <message>
        <source>Continue the game in progress at start</source>
        <translation>Beim Start das laufende Spiel fortsetzen</translation>
    </message>
    <message>
        <source>Deal only winnable games</source>
        <translation>Nur gewinnbare Spiele geben</translation>
    </message>
    <message>
        <source>Winnable: any</source>
        <translation>Gewinnbar: beliebig</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Leicht</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Mittel</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Schwer</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>Experte</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Spielen</translation>
    </message>
    <message>
        <source>Ask before a started game is abandoned</source>
        <translation>Vor dem Aufgeben eines begonnenen Spiels nachfragen</translation>
    </message>
    <message>
        <source>&amp;Animation speed:</source>
        <translation>Animations&amp;geschwindigkeit:</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Aus</translation>
    </message>
    <message>
        <source>Fast</source>
        <translation>Schnell</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Slow</source>
        <translation>Langsam</translation>
    </message>
    <message>
        <source>&amp;Language:</source>
        <translation>&amp;Sprache:</translation>
    </message>
    <message>
        <source>A new language shows at the next start.</source>
        <translation>Eine neue Sprache gilt ab dem nächsten Start.</translation>
    </message>
    <message>
        <source>Set Color</source>
        <translation>Farbe wählen</translation>
    </message>
    <message>
        <source>Set Picture</source>
        <translation>Bild wählen</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>Cards</source>
        <translation>Karten</translation>
    </message>
    <message>
        <source>Car&amp;ds:</source>
        <translation>&amp;Karten:</translation>
    </message>
    <message>
        <source>Preview of the cards</source>
        <translation>Vorschau der Karten</translation>
    </message>
</context>
<context>
    <name>TPictureForm</name>
    <message>
        <source>This file cannot be shown as a picture.</source>
        <translation>Diese Datei kann nicht als Bild gezeigt werden.</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>All (*.bmp *.jpg *.jpeg);;Bitmaps (*.bmp);;JPEG (*.jpg *.jpeg)</source>
        <translation>Alle (*.bmp *.jpg *.jpeg);;Bitmaps (*.bmp);;JPEG (*.jpg *.jpeg)</translation>
    </message>
    <message>
        <source>Select Background Picture</source>
        <translation>Hintergrundbild wählen</translation>
    </message>
    <message>
        <source>&amp;Select File...</source>
        <translation>&amp;Datei wählen...</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Wood</source>
        <translation>Holz</translation>
    </message>
    <message>
        <source>Marble</source>
        <translation>Marmor</translation>
    </message>
    <message>
        <source>Cloth</source>
        <translation>Tuch</translation>
    </message>
</context>
<context>
    <name>TShuffle_Form</name>
    <message>
        <source>Select Shuffle</source>
        <translation>Mischung wählen</translation>
    </message>
    <message>
        <source>Select a game number from
1 to 2147483647</source>
        <translation>Wählen Sie eine Spielnummer
von 1 bis 2147483647</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Checking…</source>
        <translation>Prüfe…</translation>
    </message>
</context>
<context>
    <name>TStatForm</name>
    <message>
        <source>Are you sure you want to clear your statistics?</source>
        <translation>Möchten Sie Ihre Statistik wirklich löschen?</translation>
    </message>
    <message>
        <source>Clear Statistics</source>
        <translation>Statistik löschen</translation>
    </message>
    <message>
        <source>Statistics for player &apos;%1&apos;</source>
        <translation>Statistik für Spieler „%1“</translation>
    </message>
    <message>
        <source>All records</source>
        <translation>Alle Einträge</translation>
    </message>
    <message>
        <source>Filled records</source>
        <translation>Belegte Einträge</translation>
    </message>
    <message>
        <source>Per game</source>
        <translation>Pro Patience</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Verlauf</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Fortschritt</translation>
    </message>
    <message>
        <source>Click appropriate column header button to sort</source>
        <translation>Zum Sortieren auf die Spaltenüberschrift klicken</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Spieler</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Hi-Scores...</source>
        <translation>&amp;Bestenliste...</translation>
    </message>
    <message>
        <source>&amp;Clear statistics...</source>
        <translation>Statistik &amp;löschen...</translation>
    </message>
    <message>
        <source>The game history %1 cannot be read: %2</source>
        <translation>Der Spielverlauf %1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>Export history</source>
        <translation>Verlauf exportieren</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV-Dateien (*.csv)</translation>
    </message>
    <message>
        <source>The history could not be written to %1: %2</source>
        <translation>Der Verlauf konnte nicht nach %1 geschrieben werden: %2</translation>
    </message>
</context>
<context>
    <name>TTray</name>
    <message>
        <source>Show Wenlo Solitaire</source>
        <translation>Wenlo Solitaire anzeigen</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
</context>
<context>
    <name>TUser_Form</name>
    <message>
        <source>Add...</source>
        <translation>Hinzufügen...</translation>
    </message>
    <message>
        <source>Edit...</source>
        <translation>Bearbeiten...</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>TWinDlg</name>
    <message>
        <source>Congratulations!!!!</source>
        <translation>Glückwunsch!!!!</translation>
    </message>
    <message>
        <source>Once more?</source>
        <translation>Noch einmal?</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Ja</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Nein</translation>
    </message>
</context>
<context>
    <name>TableAccess</name>
    <message>
        <source>Announcement</source>
        <translation>Ansage</translation>
    </message>
    <message>
        <source>Card table</source>
        <translation>Kartentisch</translation>
    </message>
    <message>
        <source>Card table, %1</source>
        <translation>Kartentisch, %1</translation>
    </message>
</context>
<context>
    <name>TableHint</name>
    <message>
        <source>F2 deals a new game</source>
        <translation>F2 gibt ein neues Spiel</translation>
    </message>
    <message>
        <source>Game › Select Solitaire… chooses another</source>
        <translation>Spiel › Patience wählen… wählt eine andere</translation>
    </message>
</context>
<context>
    <name>TableWords</name>
    <message>
        <source>a face-down card</source>
        <translation>eine verdeckte Karte</translation>
    </message>
    <message>
        <source>Ace</source>
        <translation>Ass</translation>
    </message>
    <message>
        <source>2</source>
        <translation>2</translation>
    </message>
    <message>
        <source>3</source>
        <translation>3</translation>
    </message>
    <message>
        <source>4</source>
        <translation>4</translation>
    </message>
    <message>
        <source>5</source>
        <translation>5</translation>
    </message>
    <message>
        <source>6</source>
        <translation>6</translation>
    </message>
    <message>
        <source>7</source>
        <translation>7</translation>
    </message>
    <message>
        <source>8</source>
        <translation>8</translation>
    </message>
    <message>
        <source>9</source>
        <translation>9</translation>
    </message>
    <message>
        <source>10</source>
        <translation>10</translation>
    </message>
    <message>
        <source>Jack</source>
        <translation>Bube</translation>
    </message>
    <message>
        <source>Queen</source>
        <translation>Dame</translation>
    </message>
    <message>
        <source>King</source>
        <translation>König</translation>
    </message>
    <message>
        <source>clubs</source>
        <translation>Kreuz</translation>
    </message>
    <message>
        <source>diamonds</source>
        <translation>Karo</translation>
    </message>
    <message>
        <source>hearts</source>
        <translation>Herz</translation>
    </message>
    <message>
        <source>spades</source>
        <translation>Pik</translation>
    </message>
    <message>
        <source>Unknown card</source>
        <translation>Unbekannte Karte</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <extracomment>A card&apos;s name: rank, then suit (&quot;Queen of hearts&quot;).</extracomment>
        <translation>%2-%1</translation>
    </message>
    <message>
        <source>Card face down</source>
        <translation>Verdeckte Karte</translation>
    </message>
    <message>
        <source>%1, face up</source>
        <translation>%1, offen</translation>
    </message>
    <message>
        <source>%1, picked up</source>
        <translation>%1, aufgenommen</translation>
    </message>
    <message>
        <source>Foundation %1</source>
        <translation>Grundstapel %1</translation>
    </message>
    <message>
        <source>Stock</source>
        <translation>Talon</translation>
    </message>
    <message>
        <source>Waste</source>
        <translation>Ablage</translation>
    </message>
    <message>
        <source>Free cell %1</source>
        <translation>Freie Zelle %1</translation>
    </message>
    <message>
        <source>Column %1</source>
        <translation>Spalte %1</translation>
    </message>
    <message>
        <source>Reserve %1</source>
        <translation>Reserve %1</translation>
    </message>
    <message>
        <source>Reserve</source>
        <translation>Reserve</translation>
    </message>
    <message>
        <source>Pile %1</source>
        <translation>Stapel %1</translation>
    </message>
    <message>
        <source>%1, empty</source>
        <translation>%1, leer</translation>
    </message>
    <message>
        <source>1 card</source>
        <translation>1 Karte</translation>
    </message>
    <message>
        <source>%1 cards</source>
        <translation>%1 Karten</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1, %2, all face down</source>
        <translation>%1, %2, alle verdeckt</translation>
    </message>
    <message>
        <source>%1, %2, %3 face down</source>
        <translation>%1, %2, %3 verdeckt</translation>
    </message>
    <message>
        <source>%1 dealt</source>
        <translation>%1 gegeben</translation>
    </message>
    <message>
        <source>%1 turned up in %2</source>
        <translation>%1 aufgedeckt in %2</translation>
    </message>
    <message>
        <source>%1 and 1 more card</source>
        <translation>%1 und 1 weitere Karte</translation>
    </message>
    <message>
        <source>%1 and %2 more cards</source>
        <translation>%1 und %2 weitere Karten</translation>
    </message>
    <message>
        <source>%1 from %2 to %3</source>
        <translation>%1 von %2 nach %3</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 nach %2</translation>
    </message>
    <message>
        <source>Picked up %1 from %2</source>
        <translation>%1 aus %2 aufgenommen</translation>
    </message>
    <message>
        <source>Put back</source>
        <translation>Zurückgelegt</translation>
    </message>
</context>
<context>
    <name>WinArt</name>
    <message>
        <source>You won!</source>
        <translation>Gewonnen!</translation>
    </message>
</context>
<context>
    <name>Winnable</name>
    <message>
        <source>Winnable</source>
        <translation>Gewinnbar</translation>
    </message>
    <message>
        <source>Winnable (%1)</source>
        <translation>Gewinnbar (%1)</translation>
    </message>
    <message>
        <source>Not winnable</source>
        <translation>Nicht gewinnbar</translation>
    </message>
    <message>
        <source>Can&apos;t tell</source>
        <translation>Unklar</translation>
    </message>
</context>
<context>
    <name>WinnableDeals</name>
    <message>
        <source>Looking for a winnable deal…</source>
        <translation>Suche ein gewinnbares Spiel…</translation>
    </message>
    <message>
        <source>Looking for the deal of the day…</source>
        <translation>Suche das Spiel des Tages…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
</TS>
