<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>Abandon</name>
    <message>
        <source>Abandon this game? It counts as lost.</source>
        <translation>Abandonner cette partie ? Elle compte comme perdue.</translation>
    </message>
</context>
<context>
    <name>App</name>
    <message>
        <source> (process %1)</source>
        <translation> (processus %1)</translation>
    </message>
    <message>
        <source>Wenlo Solitaire Collection is already running with the data folder %1%2. Only one can use it at a time, or the results of one would erase the other&apos;s: close it first, or use another --data-dir.</source>
        <translation>Wenlo Solitaire Collection est déjà ouvert avec le dossier de données %1%2. Un seul peut l&apos;utiliser à la fois, sinon les résultats de l&apos;un effaceraient ceux de l&apos;autre : fermez-le d&apos;abord, ou utilisez un autre --data-dir.</translation>
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
        <translation>V</translation>
    </message>
    <message>
        <source>Q</source>
        <translation>D</translation>
    </message>
    <message>
        <source>K</source>
        <translation>R</translation>
    </message>
</context>
<context>
    <name>CardFaces</name>
    <message>
        <source>Large print</source>
        <translation>Grands caractères</translation>
    </message>
    <message>
        <source>Four colours</source>
        <translation>Quatre couleurs</translation>
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
        <translation>Facile</translation>
    </message>
    <message>
        <source>Average</source>
        <translation>Moyenne</translation>
    </message>
    <message>
        <source>Difficult</source>
        <translation>Difficile</translation>
    </message>
</context>
<context>
    <name>ExitHandling</name>
    <message>
        <source>Your statistics, settings or game in progress could not be saved; the files keep what they held before this session.</source>
        <translation>Vos statistiques, vos réglages ou la partie en cours n&apos;ont pas pu être enregistrés ; les fichiers gardent ce qu&apos;ils contenaient avant cette session.</translation>
    </message>
</context>
<context>
    <name>Game</name>
    <message>
        <source>WindMill</source>
        <translation>Moulin à vent</translation>
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
        <translation>Roi Albert</translation>
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
        <translation>Jardin de fleurs</translation>
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
        <translation>Quarante voleurs</translation>
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
        <translation>%1 [n° %2, gagnable]</translation>
    </message>
    <message>
        <source>%1 [#%2, deal of the day]</source>
        <translation>%1 [n° %2, donne du jour]</translation>
    </message>
    <message>
        <source>Player: %1</source>
        <translation>Joueur : %1</translation>
    </message>
    <message>
        <source>Redeals: %1</source>
        <translation>Redistributions : %1</translation>
    </message>
    <message>
        <source>Score: $%1</source>
        <translation>Score : $%1</translation>
    </message>
    <message>
        <source>%1 [#%2]</source>
        <translation>%1 [n° %2]</translation>
    </message>
</context>
<context>
    <name>GameListModel</name>
    <message>
        <source>Game</source>
        <translation>Réussite</translation>
    </message>
    <message>
        <source>Difficulty</source>
        <translation>Difficulté</translation>
    </message>
    <message>
        <source>Decks</source>
        <translation>Jeux</translation>
    </message>
</context>
<context>
    <name>Grade</name>
    <message>
        <source>Easy</source>
        <translation>Facile</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Moyenne</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Difficile</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>Expert</translation>
    </message>
</context>
<context>
    <name>Hint</name>
    <message>
        <source>Deal from the stock</source>
        <translation>Distribuer depuis le talon</translation>
    </message>
    <message>
        <source>%1 home</source>
        <translation>%1 sur sa fondation</translation>
    </message>
    <message>
        <source>Play %1</source>
        <translation>Jouer %1</translation>
    </message>
    <message>
        <source>%1 onto %2</source>
        <translation>%1 sur %2</translation>
    </message>
    <message>
        <source>%1 to an empty foundation</source>
        <translation>%1 sur une fondation vide</translation>
    </message>
    <message>
        <source>%1 to an empty pile</source>
        <translation>%1 sur une pile vide</translation>
    </message>
    <message>
        <source>No more moves</source>
        <translation>Plus aucun coup possible</translation>
    </message>
</context>
<context>
    <name>Hiscore</name>
    <message>
        <source>Total score</source>
        <translation>Score total</translation>
    </message>
    <message>
        <source>Average score</source>
        <translation>Score moyen</translation>
    </message>
    <message>
        <source>W/L percent</source>
        <translation>Pourcentage de victoires</translation>
    </message>
</context>
<context>
    <name>History</name>
    <message>
        <source>won</source>
        <translation>gagnée</translation>
    </message>
    <message>
        <source>lost</source>
        <translation>perdue</translation>
    </message>
    <message>
        <source>abandoned</source>
        <translation>abandonnée</translation>
    </message>
    <message>
        <source>chosen number</source>
        <translation>numéro choisi</translation>
    </message>
    <message>
        <source>random</source>
        <translation>au hasard</translation>
    </message>
    <message>
        <source>winnable-only</source>
        <translation>gagnables seulement</translation>
    </message>
    <message>
        <source>deal of the day</source>
        <translation>donne du jour</translation>
    </message>
    <message>
        <source>won with Solve</source>
        <translation>gagnée avec Résoudre</translation>
    </message>
    <message>
        <source>%1 won</source>
        <translation>%1 gagnées</translation>
    </message>
    <message>
        <source>%1 lost</source>
        <translation>%1 perdues</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Réussite</translation>
    </message>
    <message>
        <source>Played</source>
        <translation>Jouées</translation>
    </message>
    <message>
        <source>Won</source>
        <translation>Gagnées</translation>
    </message>
    <message>
        <source>Win rate</source>
        <translation>Taux</translation>
    </message>
    <message>
        <source>Streak</source>
        <translation>Série</translation>
    </message>
    <message>
        <source>Best run</source>
        <translation>Meilleure série</translation>
    </message>
    <message>
        <source>Worst run</source>
        <translation>Pire série</translation>
    </message>
    <message>
        <source>Best time</source>
        <translation>Meilleur temps</translation>
    </message>
    <message>
        <source>Fewest</source>
        <translation>Moins de coups</translation>
    </message>
    <message>
        <source>Avg. win</source>
        <translation>Moy. victoire</translation>
    </message>
    <message>
        <source>Games won or lost without Solve</source>
        <translation>Parties gagnées ou perdues sans Résoudre</translation>
    </message>
    <message>
        <source>The current streak: wins or losses in a row up to the last game</source>
        <translation>La série en cours : victoires ou défaites consécutives jusqu&apos;à la dernière partie</translation>
    </message>
    <message>
        <source>The longest winning streak</source>
        <translation>La plus longue série de victoires</translation>
    </message>
    <message>
        <source>The longest losing streak</source>
        <translation>La plus longue série de défaites</translation>
    </message>
    <message>
        <source>The shortest playing time of a win</source>
        <translation>Le temps de jeu le plus court d&apos;une victoire</translation>
    </message>
    <message>
        <source>The fewest moves of a win</source>
        <translation>Le moins de coups d&apos;une victoire</translation>
    </message>
    <message>
        <source>The average playing time of the won games</source>
        <translation>Le temps de jeu moyen des parties gagnées</translation>
    </message>
    <message>
        <source>All results</source>
        <translation>Tous les résultats</translation>
    </message>
    <message>
        <source>Won with Solve</source>
        <translation>Gagnées avec Résoudre</translation>
    </message>
    <message>
        <source>Lost</source>
        <translation>Perdues</translation>
    </message>
    <message>
        <source>Abandoned</source>
        <translation>Abandonnées</translation>
    </message>
    <message>
        <source>Ended</source>
        <translation>Terminée</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Numéro</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Résultat</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Temps</translation>
    </message>
    <message>
        <source>Moves</source>
        <translation>Coups</translation>
    </message>
    <message>
        <source>Undos</source>
        <translation>Annulations</translation>
    </message>
    <message>
        <source>Hints</source>
        <translation>Indices</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Score</translation>
    </message>
    <message>
        <source>Dealt</source>
        <translation>Donne</translation>
    </message>
    <message>
        <source>Last 7 days</source>
        <translation>7 derniers jours</translation>
    </message>
    <message>
        <source>Last 30 days</source>
        <translation>30 derniers jours</translation>
    </message>
    <message>
        <source>Last year</source>
        <translation>Dernière année</translation>
    </message>
    <message>
        <source>All time</source>
        <translation>Depuis toujours</translation>
    </message>
    <message>
        <source>%1% (%2 of %3)</source>
        <translation>%1 % (%2 sur %3)</translation>
    </message>
    <message>
        <source>All games</source>
        <translation>Toutes les réussites</translation>
    </message>
    <message>
        <source>&amp;Play this deal again</source>
        <translation>&amp;Rejouer cette donne</translation>
    </message>
    <message>
        <source>&amp;Export CSV...</source>
        <translation>&amp;Exporter en CSV...</translation>
    </message>
    <message>
        <source>not won</source>
        <translation>non gagnées</translation>
    </message>
    <message>
        <source>Games per day</source>
        <translation>Parties par jour</translation>
    </message>
    <message>
        <source>Games per week</source>
        <translation>Parties par semaine</translation>
    </message>
    <message>
        <source>Last 30 days, per day</source>
        <translation>30 derniers jours, par jour</translation>
    </message>
    <message>
        <source>Last 26 weeks, per week</source>
        <translation>26 dernières semaines, par semaine</translation>
    </message>
</context>
<context>
    <name>Language</name>
    <message>
        <source>System</source>
        <translation>Système</translation>
    </message>
</context>
<context>
    <name>Pharaoh</name>
    <message>
        <source>Re&amp;Deal</source>
        <translation>Re&amp;distribuer</translation>
    </message>
</context>
<context>
    <name>PlayerEditor</name>
    <message>
        <source>Edit player list</source>
        <translation>Modifier la liste des joueurs</translation>
    </message>
    <message>
        <source>Player with this name already exists</source>
        <translation>Un joueur de ce nom existe déjà</translation>
    </message>
    <message>
        <source>You can not delete the last player</source>
        <translation>Impossible de supprimer le dernier joueur</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Delete player</source>
        <translation>Supprimer le joueur</translation>
    </message>
    <message>
        <source>Are you sure you want to delete player &apos;%1&apos; ?</source>
        <translation>Voulez-vous vraiment supprimer le joueur « %1 » ?</translation>
    </message>
    <message>
        <source>Add a player</source>
        <translation>Ajouter un joueur</translation>
    </message>
    <message>
        <source>Enter player name</source>
        <translation>Saisissez le nom du joueur</translation>
    </message>
    <message>
        <source>Edit player</source>
        <translation>Modifier le joueur</translation>
    </message>
    <message>
        <source>Edit player name</source>
        <translation>Modifiez le nom du joueur</translation>
    </message>
</context>
<context>
    <name>ShuffleInput</name>
    <message>
        <source>Game number doesn&apos;t fit the range 1..2147483647</source>
        <translation>Le numéro de donne n&apos;est pas compris entre 1 et 2147483647</translation>
    </message>
</context>
<context>
    <name>SolverControl</name>
    <message>
        <source>a card</source>
        <translation>une carte</translation>
    </message>
    <message>
        <source>Not winnable since turning the %1: Undo takes it back</source>
        <translation>Non gagnable depuis le retournement du %1 : Annuler le reprend</translation>
    </message>
    <message>
        <source>Not winnable since moving the %1: Undo takes it back</source>
        <translation>Non gagnable depuis le déplacement du %1 : Annuler le reprend</translation>
    </message>
    <message>
        <source>Not winnable</source>
        <translation>Non gagnable</translation>
    </message>
    <message>
        <source>Winnable</source>
        <translation>Gagnable</translation>
    </message>
    <message>
        <source>Can&apos;t tell</source>
        <translation>Indéterminé</translation>
    </message>
    <message>
        <source>Checking…</source>
        <translation>Vérification…</translation>
    </message>
</context>
<context>
    <name>StatsTable</name>
    <message>
        <source>Game</source>
        <translation>Réussite</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>Won</source>
        <translation>Gagnées</translation>
    </message>
    <message>
        <source>Lost</source>
        <translation>Perdues</translation>
    </message>
    <message>
        <source>Percent</source>
        <translation>Pourcentage</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Score</translation>
    </message>
    <message>
        <source>Average</source>
        <translation>Moyenne</translation>
    </message>
</context>
<context>
    <name>TAbandonDlg</name>
    <message>
        <source>Don&apos;t ask again</source>
        <translation>Ne plus demander</translation>
    </message>
</context>
<context>
    <name>TAboutBox</name>
    <message>
        <source>Build %1</source>
        <translation>Compilation %1</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Free software: share and change it
under the GNU General Public License,
version 3 or later. No warranty.</source>
        <translation>Logiciel libre : partagez-le et modifiez-le
selon la GNU General Public License,
version 3 ou ultérieure. Aucune garantie.</translation>
    </message>
    <message>
        <source>Licence:</source>
        <translation>Licence :</translation>
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
        <translation>Cartes dans la pile : %1</translation>
    </message>
    <message>
        <source>This move is not allowed</source>
        <translation>Ce coup n&apos;est pas permis</translation>
    </message>
</context>
<context>
    <name>TDeckForm</name>
    <message>
        <source>Deck Options</source>
        <translation>Dos des cartes</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
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
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>TEmptyColDlg</name>
    <message>
        <source>Move to empty column...</source>
        <translation>Déplacer vers une colonne vide...</translation>
    </message>
    <message>
        <source>Move &amp;column</source>
        <translation>Déplacer la &amp;séquence</translation>
    </message>
    <message>
        <source>Move &amp;single card</source>
        <translation>Déplacer une seule &amp;carte</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>TGameDlg</name>
    <message>
        <source>Select Solitaire</source>
        <translation>Choisir la réussite</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Joueur</translation>
    </message>
    <message>
        <source>Edit player list</source>
        <translation>Modifier la liste des joueurs</translation>
    </message>
    <message>
        <source>AutoPlay</source>
        <translation>Jeu automatique</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Activé</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Désactivé</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;ide</translation>
    </message>
</context>
<context>
    <name>TGameToolbar</name>
    <message>
        <source>Toolbar</source>
        <translation>Barre d&apos;outils</translation>
    </message>
    <message>
        <source>Moves: %1</source>
        <translation>Coups : %1</translation>
    </message>
    <message>
        <source>Time: %1</source>
        <translation>Temps : %1</translation>
    </message>
</context>
<context>
    <name>THelpWindow</name>
    <message>
        <source>this topic</source>
        <translation>ce sujet</translation>
    </message>
    <message>
        <source>Wenlo Solitaire Collection Help</source>
        <translation>Aide de Wenlo Solitaire Collection</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Sommaire</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Précédent</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>S&amp;uivant</translation>
    </message>
    <message>
        <source>No help yet</source>
        <translation>Pas encore d&apos;aide</translation>
    </message>
    <message>
        <source>Sorry, the help for %1 has not been written yet.</source>
        <translation>Désolé, l&apos;aide de %1 n&apos;est pas encore écrite.</translation>
    </message>
    <message>
        <source>Until it is, try the game itself: click a card to pick it up, then click where it should go. Undo takes back any move.</source>
        <translation>En attendant, essayez le jeu lui-même : cliquez sur une carte pour la prendre, puis là où elle doit aller. Annuler reprend n&apos;importe quel coup.</translation>
    </message>
    <message>
        <source>Back to the contents</source>
        <translation>Retour au sommaire</translation>
    </message>
    <message>
        <source>Topic %1</source>
        <translation>Sujet %1</translation>
    </message>
</context>
<context>
    <name>THiscoreForm</name>
    <message>
        <source>Hi-Scores for game &apos;%1&apos;</source>
        <translation>Meilleurs scores pour « %1 »</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Réussite</translation>
    </message>
    <message>
        <source>By total score</source>
        <translation>Par score total</translation>
    </message>
    <message>
        <source>By average score</source>
        <translation>Par score moyen</translation>
    </message>
    <message>
        <source>By W/L percent</source>
        <translation>Par pourcentage de victoires</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Joueur</translation>
    </message>
</context>
<context>
    <name>TMain_F</name>
    <message>
        <source>Recommended screen resolution is 800x600 or higher</source>
        <translation>La résolution d&apos;écran recommandée est de 800x600 ou plus</translation>
    </message>
    <message>
        <source>Some of your files could not be read:</source>
        <translation>Certains de vos fichiers n&apos;ont pas pu être lus :</translation>
    </message>
    <message>
        <source>No winnable deal of this grade was found among %1 numbers.</source>
        <translation>Aucune donne gagnable de ce niveau n&apos;a été trouvée parmi %1 numéros.</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Partie</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>&amp;Nouvelle partie</translation>
    </message>
    <message>
        <source>&amp;Restart Game</source>
        <translation>&amp;Recommencer la partie</translation>
    </message>
    <message>
        <source>Select Shu&amp;ffle</source>
        <translation>Choisir la &amp;donne</translation>
    </message>
    <message>
        <source>&amp;Select Solitaire...</source>
        <translation>Choisir la réu&amp;ssite...</translation>
    </message>
    <message>
        <source>Deal of the &amp;Day</source>
        <translation>Donne du &amp;jour</translation>
    </message>
    <message>
        <source>Statistics...</source>
        <translation>Statistiques...</translation>
    </message>
    <message>
        <source>&amp;Undo	Ctrl+Z</source>
        <translation>&amp;Annuler	Ctrl+Z</translation>
    </message>
    <message>
        <source>&amp;Redo	Ctrl+R</source>
        <translation>Ré&amp;tablir	Ctrl+R</translation>
    </message>
    <message>
        <source>&amp;Hint</source>
        <translation>&amp;Indice</translation>
    </message>
    <message>
        <source>Sol&amp;ve</source>
        <translation>Rés&amp;oudre</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>&amp;Deck...</source>
        <translation>&amp;Dos des cartes...</translation>
    </message>
    <message>
        <source>&amp;Options...</source>
        <translation>&amp;Options...</translation>
    </message>
    <message>
        <source>Statusbar</source>
        <translation>Barre d&apos;état</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>&amp;Barre d&apos;outils</translation>
    </message>
    <message>
        <source>&amp;Full Screen</source>
        <translation>&amp;Plein écran</translation>
    </message>
    <message>
        <source>Show whether &amp;winnable</source>
        <translation>Indiquer si la donne est &amp;gagnable</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;Contents...</source>
        <translation>&amp;Sommaire...</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>À &amp;propos...</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nouvelle</translation>
    </message>
    <message>
        <source>New Game (F2)</source>
        <translation>Nouvelle partie (F2)</translation>
    </message>
    <message>
        <source>Restart</source>
        <translation>Recommencer</translation>
    </message>
    <message>
        <source>Restart Game</source>
        <translation>Recommencer la partie</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Undo (Ctrl+Z)</source>
        <translation>Annuler (Ctrl+Z)</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rétablir</translation>
    </message>
    <message>
        <source>Redo (Ctrl+R)</source>
        <translation>Rétablir (Ctrl+R)</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Indice</translation>
    </message>
    <message>
        <source>Hint (H)</source>
        <translation>Indice (H)</translation>
    </message>
    <message>
        <source>Solve</source>
        <translation>Résoudre</translation>
    </message>
    <message>
        <source>%1 Help</source>
        <translation>Aide sur %1</translation>
    </message>
    <message>
        <source>Game won: %1</source>
        <translation>Partie gagnée : %1</translation>
    </message>
</context>
<context>
    <name>TOptions</name>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Display messages on illegal move</source>
        <translation>Afficher un message pour un coup interdit</translation>
    </message>
    <message>
        <source>One move Undo/Redo</source>
        <translation>Annuler un seul coup</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Préférences</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Arrière-plan</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Général</translation>
    </message>
    <message>
        <source>Play sound</source>
        <translation>Jouer les sons</translation>
    </message>
    <message>
        <source>Minimize to Taskbar Tray</source>
        <translation>Réduire dans la zone de notification</translation>
    </message>
    <message>
        <source>Show empty tableau piles</source>
        <translation>Afficher les piles vides du tableau</translation>
    </message>
    <message>
        <source>Undo/Redo</source>
        <translation>Annuler/Rétablir</translation>
    </message>
    <message>
        <source>Disable Undo/Redo</source>
        <translation>Pas d&apos;annulation</translation>
    </message>
    <message>
        <source>Multi-Level</source>
        <translation>Plusieurs coups</translation>
    </message>
    <message>
        <source>Continue the game in progress at start</source>
        <translation>Reprendre la partie en cours au démarrage</translation>
    </message>
    <message>
        <source>Deal only winnable games</source>
        <translation>Ne distribuer que des donnes gagnables</translation>
    </message>
    <message>
        <source>Winnable: any</source>
        <translation>Gagnable : toutes</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Facile</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Moyenne</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Difficile</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>Expert</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Jeu</translation>
    </message>
    <message>
        <source>Ask before a started game is abandoned</source>
        <translation>Demander avant d&apos;abandonner une partie commencée</translation>
    </message>
    <message>
        <source>&amp;Animation speed:</source>
        <translation>&amp;Vitesse d&apos;animation :</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Désactivée</translation>
    </message>
    <message>
        <source>Fast</source>
        <translation>Rapide</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normale</translation>
    </message>
    <message>
        <source>Slow</source>
        <translation>Lente</translation>
    </message>
    <message>
        <source>&amp;Language:</source>
        <translation>&amp;Langue :</translation>
    </message>
    <message>
        <source>A new language shows at the next start.</source>
        <translation>Une nouvelle langue s&apos;applique au prochain démarrage.</translation>
    </message>
    <message>
        <source>Set Color</source>
        <translation>Choisir la couleur</translation>
    </message>
    <message>
        <source>Set Picture</source>
        <translation>Choisir l&apos;image</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>Cards</source>
        <translation>Cartes</translation>
    </message>
    <message>
        <source>Car&amp;ds:</source>
        <translation>Ca&amp;rtes :</translation>
    </message>
    <message>
        <source>Preview of the cards</source>
        <translation>Aperçu des cartes</translation>
    </message>
</context>
<context>
    <name>TPictureForm</name>
    <message>
        <source>This file cannot be shown as a picture.</source>
        <translation>Ce fichier ne peut pas être affiché comme image.</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>All (*.bmp *.jpg *.jpeg);;Bitmaps (*.bmp);;JPEG (*.jpg *.jpeg)</source>
        <translation>Toutes (*.bmp *.jpg *.jpeg);;Bitmaps (*.bmp);;JPEG (*.jpg *.jpeg)</translation>
    </message>
    <message>
        <source>Select Background Picture</source>
        <translation>Choisir l&apos;image d&apos;arrière-plan</translation>
    </message>
    <message>
        <source>&amp;Select File...</source>
        <translation>&amp;Choisir un fichier...</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Wood</source>
        <translation>Bois</translation>
    </message>
    <message>
        <source>Marble</source>
        <translation>Marbre</translation>
    </message>
    <message>
        <source>Cloth</source>
        <translation>Tissu</translation>
    </message>
</context>
<context>
    <name>TShuffle_Form</name>
    <message>
        <source>Select Shuffle</source>
        <translation>Choisir la donne</translation>
    </message>
    <message>
        <source>Select a game number from
1 to 2147483647</source>
        <translation>Choisissez un numéro de donne
de 1 à 2147483647</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Checking…</source>
        <translation>Vérification…</translation>
    </message>
</context>
<context>
    <name>TStatForm</name>
    <message>
        <source>Are you sure you want to clear your statistics?</source>
        <translation>Voulez-vous vraiment effacer vos statistiques ?</translation>
    </message>
    <message>
        <source>Clear Statistics</source>
        <translation>Effacer les statistiques</translation>
    </message>
    <message>
        <source>Statistics for player &apos;%1&apos;</source>
        <translation>Statistiques du joueur « %1 »</translation>
    </message>
    <message>
        <source>All records</source>
        <translation>Tous les résultats</translation>
    </message>
    <message>
        <source>Filled records</source>
        <translation>Résultats remplis</translation>
    </message>
    <message>
        <source>Per game</source>
        <translation>Par réussite</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Historique</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progrès</translation>
    </message>
    <message>
        <source>Click appropriate column header button to sort</source>
        <translation>Cliquez sur un en-tête de colonne pour trier</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Joueur</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Hi-Scores...</source>
        <translation>&amp;Meilleurs scores...</translation>
    </message>
    <message>
        <source>&amp;Clear statistics...</source>
        <translation>Effacer les &amp;statistiques...</translation>
    </message>
    <message>
        <source>The game history %1 cannot be read: %2</source>
        <translation>L&apos;historique des parties %1 ne peut pas être lu : %2</translation>
    </message>
    <message>
        <source>Export history</source>
        <translation>Exporter l&apos;historique</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Fichiers CSV (*.csv)</translation>
    </message>
    <message>
        <source>The history could not be written to %1: %2</source>
        <translation>L&apos;historique n&apos;a pas pu être écrit dans %1 : %2</translation>
    </message>
</context>
<context>
    <name>TTray</name>
    <message>
        <source>Show Wenlo Solitaire</source>
        <translation>Afficher Wenlo Solitaire</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
</context>
<context>
    <name>TUser_Form</name>
    <message>
        <source>Add...</source>
        <translation>Ajouter...</translation>
    </message>
    <message>
        <source>Edit...</source>
        <translation>Modifier...</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>TWinDlg</name>
    <message>
        <source>Congratulations!!!!</source>
        <translation>Félicitations !!!!</translation>
    </message>
    <message>
        <source>Once more?</source>
        <translation>Encore une fois ?</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Oui</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Non</translation>
    </message>
</context>
<context>
    <name>TableAccess</name>
    <message>
        <source>Announcement</source>
        <translation>Annonce</translation>
    </message>
    <message>
        <source>Card table</source>
        <translation>Table de jeu</translation>
    </message>
    <message>
        <source>Card table, %1</source>
        <translation>Table de jeu, %1</translation>
    </message>
</context>
<context>
    <name>TableHint</name>
    <message>
        <source>F2 deals a new game</source>
        <translation>F2 distribue une nouvelle partie</translation>
    </message>
    <message>
        <source>Game › Select Solitaire… chooses another</source>
        <translation>Partie › Choisir la réussite… en choisit une autre</translation>
    </message>
</context>
<context>
    <name>TableWords</name>
    <message>
        <source>a face-down card</source>
        <translation>une carte face cachée</translation>
    </message>
    <message>
        <source>Ace</source>
        <translation>As</translation>
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
        <translation>Valet</translation>
    </message>
    <message>
        <source>Queen</source>
        <translation>Dame</translation>
    </message>
    <message>
        <source>King</source>
        <translation>Roi</translation>
    </message>
    <message>
        <source>clubs</source>
        <translation>trèfle</translation>
    </message>
    <message>
        <source>diamonds</source>
        <translation>carreau</translation>
    </message>
    <message>
        <source>hearts</source>
        <translation>cœur</translation>
    </message>
    <message>
        <source>spades</source>
        <translation>pique</translation>
    </message>
    <message>
        <source>Unknown card</source>
        <translation>Carte inconnue</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <extracomment>A card&apos;s name: rank, then suit (&quot;Queen of hearts&quot;).</extracomment>
        <translation>%1 de %2</translation>
    </message>
    <message>
        <source>Card face down</source>
        <translation>Carte face cachée</translation>
    </message>
    <message>
        <source>%1, face up</source>
        <translation>%1, face visible</translation>
    </message>
    <message>
        <source>%1, picked up</source>
        <translation>%1, prise</translation>
    </message>
    <message>
        <source>Foundation %1</source>
        <translation>Fondation %1</translation>
    </message>
    <message>
        <source>Stock</source>
        <translation>Talon</translation>
    </message>
    <message>
        <source>Waste</source>
        <translation>Défausse</translation>
    </message>
    <message>
        <source>Free cell %1</source>
        <translation>Cellule libre %1</translation>
    </message>
    <message>
        <source>Column %1</source>
        <translation>Colonne %1</translation>
    </message>
    <message>
        <source>Reserve %1</source>
        <translation>Réserve %1</translation>
    </message>
    <message>
        <source>Reserve</source>
        <translation>Réserve</translation>
    </message>
    <message>
        <source>Pile %1</source>
        <translation>Pile %1</translation>
    </message>
    <message>
        <source>%1, empty</source>
        <translation>%1, vide</translation>
    </message>
    <message>
        <source>1 card</source>
        <translation>1 carte</translation>
    </message>
    <message>
        <source>%1 cards</source>
        <translation>%1 cartes</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1, %2, all face down</source>
        <translation>%1, %2, toutes face cachée</translation>
    </message>
    <message>
        <source>%1, %2, %3 face down</source>
        <translation>%1, %2, %3 face cachée</translation>
    </message>
    <message>
        <source>%1 dealt</source>
        <translation>%1 distribuée</translation>
    </message>
    <message>
        <source>%1 turned up in %2</source>
        <translation>%1 retournée dans %2</translation>
    </message>
    <message>
        <source>%1 and 1 more card</source>
        <translation>%1 et 1 carte de plus</translation>
    </message>
    <message>
        <source>%1 and %2 more cards</source>
        <translation>%1 et %2 cartes de plus</translation>
    </message>
    <message>
        <source>%1 from %2 to %3</source>
        <translation>%1 de %2 vers %3</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 vers %2</translation>
    </message>
    <message>
        <source>Picked up %1 from %2</source>
        <translation>%1 prise dans %2</translation>
    </message>
    <message>
        <source>Put back</source>
        <translation>Reposée</translation>
    </message>
</context>
<context>
    <name>WinArt</name>
    <message>
        <source>You won!</source>
        <translation>Gagné !</translation>
    </message>
</context>
<context>
    <name>Winnable</name>
    <message>
        <source>Winnable</source>
        <translation>Gagnable</translation>
    </message>
    <message>
        <source>Winnable (%1)</source>
        <translation>Gagnable (%1)</translation>
    </message>
    <message>
        <source>Not winnable</source>
        <translation>Non gagnable</translation>
    </message>
    <message>
        <source>Can&apos;t tell</source>
        <translation>Indéterminé</translation>
    </message>
</context>
<context>
    <name>WinnableDeals</name>
    <message>
        <source>Looking for a winnable deal…</source>
        <translation>Recherche d&apos;une donne gagnable…</translation>
    </message>
    <message>
        <source>Looking for the deal of the day…</source>
        <translation>Recherche de la donne du jour…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
</TS>
