<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>Abandon</name>
    <message>
        <source>Abandon this game? It counts as lost.</source>
        <translation>¿Abandonar esta partida? Cuenta como perdida.</translation>
    </message>
</context>
<context>
    <name>App</name>
    <message>
        <source> (process %1)</source>
        <translation> (proceso %1)</translation>
    </message>
    <message>
        <source>Wenlo Solitaire Collection is already running with the data folder %1%2. Only one can use it at a time, or the results of one would erase the other&apos;s: close it first, or use another --data-dir.</source>
        <translation>Wenlo Solitaire Collection ya está abierto con la carpeta de datos %1%2. Solo uno puede usarla a la vez, o los resultados de uno borrarían los del otro: ciérralo primero o usa otro --data-dir.</translation>
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
        <translation>J</translation>
    </message>
    <message>
        <source>Q</source>
        <translation>Q</translation>
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
        <translation>Letra grande</translation>
    </message>
    <message>
        <source>Four colours</source>
        <translation>Cuatro colores</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Estándar</translation>
    </message>
</context>
<context>
    <name>Difficulty</name>
    <message>
        <source>Easy</source>
        <translation>Fácil</translation>
    </message>
    <message>
        <source>Average</source>
        <translation>Media</translation>
    </message>
    <message>
        <source>Difficult</source>
        <translation>Difícil</translation>
    </message>
</context>
<context>
    <name>ExitHandling</name>
    <message>
        <source>Your statistics, settings or game in progress could not be saved; the files keep what they held before this session.</source>
        <translation>No se pudieron guardar tus estadísticas, tus ajustes o la partida en curso; los archivos conservan lo que tenían antes de esta sesión.</translation>
    </message>
</context>
<context>
    <name>Game</name>
    <message>
        <source>WindMill</source>
        <translation>Molino de viento</translation>
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
        <translation>Rey Alberto</translation>
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
        <translation>Jardín de flores</translation>
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
        <translation>Cuarenta ladrones</translation>
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
        <translation>%1 [n.º %2, ganable]</translation>
    </message>
    <message>
        <source>%1 [#%2, deal of the day]</source>
        <translation>%1 [n.º %2, reparto del día]</translation>
    </message>
    <message>
        <source>Player: %1</source>
        <translation>Jugador: %1</translation>
    </message>
    <message>
        <source>Redeals: %1</source>
        <translation>Redistribuciones: %1</translation>
    </message>
    <message>
        <source>Score: $%1</source>
        <translation>Puntos: $%1</translation>
    </message>
    <message>
        <source>%1 [#%2]</source>
        <translation>%1 [n.º %2]</translation>
    </message>
</context>
<context>
    <name>GameListModel</name>
    <message>
        <source>Game</source>
        <translation>Solitario</translation>
    </message>
    <message>
        <source>Difficulty</source>
        <translation>Dificultad</translation>
    </message>
    <message>
        <source>Decks</source>
        <translation>Barajas</translation>
    </message>
</context>
<context>
    <name>Grade</name>
    <message>
        <source>Easy</source>
        <translation>Fácil</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Media</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Difícil</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>Experto</translation>
    </message>
</context>
<context>
    <name>Hint</name>
    <message>
        <source>Deal from the stock</source>
        <translation>Repartir del mazo</translation>
    </message>
    <message>
        <source>%1 home</source>
        <translation>%1 a su fundación</translation>
    </message>
    <message>
        <source>Play %1</source>
        <translation>Jugar %1</translation>
    </message>
    <message>
        <source>%1 onto %2</source>
        <translation>%1 sobre %2</translation>
    </message>
    <message>
        <source>%1 to an empty foundation</source>
        <translation>%1 a una fundación vacía</translation>
    </message>
    <message>
        <source>%1 to an empty pile</source>
        <translation>%1 a una pila vacía</translation>
    </message>
    <message>
        <source>No more moves</source>
        <translation>No quedan movimientos</translation>
    </message>
</context>
<context>
    <name>Hiscore</name>
    <message>
        <source>Total score</source>
        <translation>Puntuación total</translation>
    </message>
    <message>
        <source>Average score</source>
        <translation>Puntuación media</translation>
    </message>
    <message>
        <source>W/L percent</source>
        <translation>Porcentaje de victorias</translation>
    </message>
</context>
<context>
    <name>History</name>
    <message>
        <source>won</source>
        <translation>ganada</translation>
    </message>
    <message>
        <source>lost</source>
        <translation>perdida</translation>
    </message>
    <message>
        <source>abandoned</source>
        <translation>abandonada</translation>
    </message>
    <message>
        <source>chosen number</source>
        <translation>número elegido</translation>
    </message>
    <message>
        <source>random</source>
        <translation>al azar</translation>
    </message>
    <message>
        <source>winnable-only</source>
        <translation>solo ganables</translation>
    </message>
    <message>
        <source>deal of the day</source>
        <translation>reparto del día</translation>
    </message>
    <message>
        <source>won with Solve</source>
        <translation>ganada con Resolver</translation>
    </message>
    <message>
        <source>%1 won</source>
        <translation>%1 ganadas</translation>
    </message>
    <message>
        <source>%1 lost</source>
        <translation>%1 perdidas</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Solitario</translation>
    </message>
    <message>
        <source>Played</source>
        <translation>Jugadas</translation>
    </message>
    <message>
        <source>Won</source>
        <translation>Ganadas</translation>
    </message>
    <message>
        <source>Win rate</source>
        <translation>Porcentaje</translation>
    </message>
    <message>
        <source>Streak</source>
        <translation>Racha</translation>
    </message>
    <message>
        <source>Best run</source>
        <translation>Mejor racha</translation>
    </message>
    <message>
        <source>Worst run</source>
        <translation>Peor racha</translation>
    </message>
    <message>
        <source>Best time</source>
        <translation>Mejor tiempo</translation>
    </message>
    <message>
        <source>Fewest</source>
        <translation>Menos movimientos</translation>
    </message>
    <message>
        <source>Avg. win</source>
        <translation>Media victoria</translation>
    </message>
    <message>
        <source>Games won or lost without Solve</source>
        <translation>Partidas ganadas o perdidas sin Resolver</translation>
    </message>
    <message>
        <source>The current streak: wins or losses in a row up to the last game</source>
        <translation>La racha actual: victorias o derrotas seguidas hasta la última partida</translation>
    </message>
    <message>
        <source>The longest winning streak</source>
        <translation>La racha de victorias más larga</translation>
    </message>
    <message>
        <source>The longest losing streak</source>
        <translation>La racha de derrotas más larga</translation>
    </message>
    <message>
        <source>The shortest playing time of a win</source>
        <translation>El tiempo de juego más corto de una victoria</translation>
    </message>
    <message>
        <source>The fewest moves of a win</source>
        <translation>Los menos movimientos de una victoria</translation>
    </message>
    <message>
        <source>The average playing time of the won games</source>
        <translation>El tiempo de juego medio de las partidas ganadas</translation>
    </message>
    <message>
        <source>All results</source>
        <translation>Todos los resultados</translation>
    </message>
    <message>
        <source>Won with Solve</source>
        <translation>Ganadas con Resolver</translation>
    </message>
    <message>
        <source>Lost</source>
        <translation>Perdidas</translation>
    </message>
    <message>
        <source>Abandoned</source>
        <translation>Abandonadas</translation>
    </message>
    <message>
        <source>Ended</source>
        <translation>Terminada</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Número</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Resultado</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Tiempo</translation>
    </message>
    <message>
        <source>Moves</source>
        <translation>Movimientos</translation>
    </message>
    <message>
        <source>Undos</source>
        <translation>Deshechos</translation>
    </message>
    <message>
        <source>Hints</source>
        <translation>Pistas</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Puntos</translation>
    </message>
    <message>
        <source>Dealt</source>
        <translation>Reparto</translation>
    </message>
    <message>
        <source>Last 7 days</source>
        <translation>Últimos 7 días</translation>
    </message>
    <message>
        <source>Last 30 days</source>
        <translation>Últimos 30 días</translation>
    </message>
    <message>
        <source>Last year</source>
        <translation>Último año</translation>
    </message>
    <message>
        <source>All time</source>
        <translation>Desde siempre</translation>
    </message>
    <message>
        <source>%1% (%2 of %3)</source>
        <translation>%1 % (%2 de %3)</translation>
    </message>
    <message>
        <source>All games</source>
        <translation>Todos los solitarios</translation>
    </message>
    <message>
        <source>&amp;Play this deal again</source>
        <translation>&amp;Jugar de nuevo este reparto</translation>
    </message>
    <message>
        <source>&amp;Export CSV...</source>
        <translation>&amp;Exportar CSV...</translation>
    </message>
    <message>
        <source>not won</source>
        <translation>no ganadas</translation>
    </message>
    <message>
        <source>Games per day</source>
        <translation>Partidas por día</translation>
    </message>
    <message>
        <source>Games per week</source>
        <translation>Partidas por semana</translation>
    </message>
    <message>
        <source>Last 30 days, per day</source>
        <translation>Últimos 30 días, por día</translation>
    </message>
    <message>
        <source>Last 26 weeks, per week</source>
        <translation>Últimas 26 semanas, por semana</translation>
    </message>
</context>
<context>
    <name>Language</name>
    <message>
        <source>System</source>
        <translation>Sistema</translation>
    </message>
</context>
<context>
    <name>Pharaoh</name>
    <message>
        <source>Re&amp;Deal</source>
        <translation>Repartir de &amp;nuevo</translation>
    </message>
</context>
<context>
    <name>PlayerEditor</name>
    <message>
        <source>Edit player list</source>
        <translation>Editar lista de jugadores</translation>
    </message>
    <message>
        <source>Player with this name already exists</source>
        <translation>Ya existe un jugador con este nombre</translation>
    </message>
    <message>
        <source>You can not delete the last player</source>
        <translation>No se puede eliminar el último jugador</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Información</translation>
    </message>
    <message>
        <source>Delete player</source>
        <translation>Eliminar jugador</translation>
    </message>
    <message>
        <source>Are you sure you want to delete player &apos;%1&apos; ?</source>
        <translation>¿Seguro que quieres eliminar al jugador «%1»?</translation>
    </message>
    <message>
        <source>Add a player</source>
        <translation>Añadir un jugador</translation>
    </message>
    <message>
        <source>Enter player name</source>
        <translation>Escribe el nombre del jugador</translation>
    </message>
    <message>
        <source>Edit player</source>
        <translation>Editar jugador</translation>
    </message>
    <message>
        <source>Edit player name</source>
        <translation>Cambia el nombre del jugador</translation>
    </message>
</context>
<context>
    <name>ShuffleInput</name>
    <message>
        <source>Game number doesn&apos;t fit the range 1..2147483647</source>
        <translation>El número de reparto no está entre 1 y 2147483647</translation>
    </message>
</context>
<context>
    <name>SolverControl</name>
    <message>
        <source>a card</source>
        <translation>una carta</translation>
    </message>
    <message>
        <source>Not winnable since turning the %1: Undo takes it back</source>
        <translation>No ganable desde que volteaste el %1: Deshacer lo revierte</translation>
    </message>
    <message>
        <source>Not winnable since moving the %1: Undo takes it back</source>
        <translation>No ganable desde que moviste el %1: Deshacer lo revierte</translation>
    </message>
    <message>
        <source>Not winnable</source>
        <translation>No ganable</translation>
    </message>
    <message>
        <source>Winnable</source>
        <translation>Ganable</translation>
    </message>
    <message>
        <source>Can&apos;t tell</source>
        <translation>Indeterminado</translation>
    </message>
    <message>
        <source>Checking…</source>
        <translation>Comprobando…</translation>
    </message>
</context>
<context>
    <name>StatsTable</name>
    <message>
        <source>Game</source>
        <translation>Solitario</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>Won</source>
        <translation>Ganadas</translation>
    </message>
    <message>
        <source>Lost</source>
        <translation>Perdidas</translation>
    </message>
    <message>
        <source>Percent</source>
        <translation>Porcentaje</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Puntos</translation>
    </message>
    <message>
        <source>Average</source>
        <translation>Media</translation>
    </message>
</context>
<context>
    <name>TAbandonDlg</name>
    <message>
        <source>Don&apos;t ask again</source>
        <translation>No volver a preguntar</translation>
    </message>
</context>
<context>
    <name>TAboutBox</name>
    <message>
        <source>Build %1</source>
        <translation>Compilación %1</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versión %1</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Free software: share and change it
under the GNU General Public License,
version 3 or later. No warranty.</source>
        <translation>Software libre: compártelo y modifícalo
bajo la GNU General Public License,
versión 3 o posterior. Sin garantía.</translation>
    </message>
    <message>
        <source>Licence:</source>
        <translation>Licencia:</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
</context>
<context>
    <name>TDeck</name>
    <message>
        <source>Cards in deck: %1</source>
        <translation>Cartas en la pila: %1</translation>
    </message>
    <message>
        <source>This move is not allowed</source>
        <translation>Este movimiento no está permitido</translation>
    </message>
</context>
<context>
    <name>TDeckForm</name>
    <message>
        <source>Deck Options</source>
        <translation>Reverso de las cartas</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
</context>
<context>
    <name>TEditPlayer_Form</name>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>TEmptyColDlg</name>
    <message>
        <source>Move to empty column...</source>
        <translation>Mover a una columna vacía...</translation>
    </message>
    <message>
        <source>Move &amp;column</source>
        <translation>Mover la &amp;secuencia</translation>
    </message>
    <message>
        <source>Move &amp;single card</source>
        <translation>Mover solo una &amp;carta</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>TGameDlg</name>
    <message>
        <source>Select Solitaire</source>
        <translation>Elegir solitario</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Jugador</translation>
    </message>
    <message>
        <source>Edit player list</source>
        <translation>Editar lista de jugadores</translation>
    </message>
    <message>
        <source>AutoPlay</source>
        <translation>Juego automático</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Activado</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Desactivado</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
</context>
<context>
    <name>TGameToolbar</name>
    <message>
        <source>Toolbar</source>
        <translation>Barra de herramientas</translation>
    </message>
    <message>
        <source>Moves: %1</source>
        <translation>Movimientos: %1</translation>
    </message>
    <message>
        <source>Time: %1</source>
        <translation>Tiempo: %1</translation>
    </message>
</context>
<context>
    <name>THelpWindow</name>
    <message>
        <source>this topic</source>
        <translation>este tema</translation>
    </message>
    <message>
        <source>Wenlo Solitaire Collection Help</source>
        <translation>Ayuda de Wenlo Solitaire Collection</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Contenido</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Atrás</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>A&amp;delante</translation>
    </message>
    <message>
        <source>No help yet</source>
        <translation>Aún no hay ayuda</translation>
    </message>
    <message>
        <source>Sorry, the help for %1 has not been written yet.</source>
        <translation>Lo sentimos, la ayuda de %1 aún no está escrita.</translation>
    </message>
    <message>
        <source>Until it is, try the game itself: click a card to pick it up, then click where it should go. Undo takes back any move.</source>
        <translation>Mientras tanto, prueba el juego: haz clic en una carta para tomarla y luego donde debe ir. Deshacer revierte cualquier movimiento.</translation>
    </message>
    <message>
        <source>Back to the contents</source>
        <translation>Volver al contenido</translation>
    </message>
    <message>
        <source>Topic %1</source>
        <translation>Tema %1</translation>
    </message>
</context>
<context>
    <name>THiscoreForm</name>
    <message>
        <source>Hi-Scores for game &apos;%1&apos;</source>
        <translation>Mejores puntuaciones de «%1»</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Solitario</translation>
    </message>
    <message>
        <source>By total score</source>
        <translation>Por puntuación total</translation>
    </message>
    <message>
        <source>By average score</source>
        <translation>Por puntuación media</translation>
    </message>
    <message>
        <source>By W/L percent</source>
        <translation>Por porcentaje de victorias</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Jugador</translation>
    </message>
</context>
<context>
    <name>TMain_F</name>
    <message>
        <source>Recommended screen resolution is 800x600 or higher</source>
        <translation>Se recomienda una resolución de pantalla de 800x600 o superior</translation>
    </message>
    <message>
        <source>Some of your files could not be read:</source>
        <translation>No se pudieron leer algunos de tus archivos:</translation>
    </message>
    <message>
        <source>No winnable deal of this grade was found among %1 numbers.</source>
        <translation>No se encontró ningún reparto ganable de este nivel entre %1 números.</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Partida</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>&amp;Nueva partida</translation>
    </message>
    <message>
        <source>&amp;Restart Game</source>
        <translation>&amp;Reiniciar partida</translation>
    </message>
    <message>
        <source>Select Shu&amp;ffle</source>
        <translation>Elegir re&amp;parto</translation>
    </message>
    <message>
        <source>&amp;Select Solitaire...</source>
        <translation>Elegir &amp;solitario...</translation>
    </message>
    <message>
        <source>Deal of the &amp;Day</source>
        <translation>Reparto del dí&amp;a</translation>
    </message>
    <message>
        <source>Statistics...</source>
        <translation>Estadísticas...</translation>
    </message>
    <message>
        <source>&amp;Undo	Ctrl+Z</source>
        <translation>&amp;Deshacer	Ctrl+Z</translation>
    </message>
    <message>
        <source>&amp;Redo	Ctrl+R</source>
        <translation>Re&amp;hacer	Ctrl+R</translation>
    </message>
    <message>
        <source>&amp;Hint</source>
        <translation>P&amp;ista</translation>
    </message>
    <message>
        <source>Sol&amp;ve</source>
        <translation>Resol&amp;ver</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>Sa&amp;lir</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opciones</translation>
    </message>
    <message>
        <source>&amp;Deck...</source>
        <translation>&amp;Reverso de las cartas...</translation>
    </message>
    <message>
        <source>&amp;Options...</source>
        <translation>&amp;Opciones...</translation>
    </message>
    <message>
        <source>Statusbar</source>
        <translation>Barra de estado</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>&amp;Barra de herramientas</translation>
    </message>
    <message>
        <source>&amp;Full Screen</source>
        <translation>&amp;Pantalla completa</translation>
    </message>
    <message>
        <source>Show whether &amp;winnable</source>
        <translation>Mostrar si se puede &amp;ganar</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Ayuda</translation>
    </message>
    <message>
        <source>&amp;Contents...</source>
        <translation>&amp;Contenido...</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;Acerca de...</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nueva</translation>
    </message>
    <message>
        <source>New Game (F2)</source>
        <translation>Nueva partida (F2)</translation>
    </message>
    <message>
        <source>Restart</source>
        <translation>Reiniciar</translation>
    </message>
    <message>
        <source>Restart Game</source>
        <translation>Reiniciar partida</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Deshacer</translation>
    </message>
    <message>
        <source>Undo (Ctrl+Z)</source>
        <translation>Deshacer (Ctrl+Z)</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rehacer</translation>
    </message>
    <message>
        <source>Redo (Ctrl+R)</source>
        <translation>Rehacer (Ctrl+R)</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Pista</translation>
    </message>
    <message>
        <source>Hint (H)</source>
        <translation>Pista (H)</translation>
    </message>
    <message>
        <source>Solve</source>
        <translation>Resolver</translation>
    </message>
    <message>
        <source>%1 Help</source>
        <translation>Ayuda de %1</translation>
    </message>
    <message>
        <source>Game won: %1</source>
        <translation>Partida ganada: %1</translation>
    </message>
</context>
<context>
    <name>TOptions</name>
    <message>
        <source>Options</source>
        <translation>Opciones</translation>
    </message>
    <message>
        <source>Display messages on illegal move</source>
        <translation>Mostrar un aviso ante un movimiento no válido</translation>
    </message>
    <message>
        <source>One move Undo/Redo</source>
        <translation>Deshacer un solo movimiento</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Preferencias</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Fondo</translation>
    </message>
    <message>
        <source>General</source>
        <translation>General</translation>
    </message>
    <message>
        <source>Play sound</source>
        <translation>Reproducir sonidos</translation>
    </message>
    <message>
        <source>Minimize to Taskbar Tray</source>
        <translation>Minimizar a la bandeja del sistema</translation>
    </message>
    <message>
        <source>Show empty tableau piles</source>
        <translation>Mostrar las pilas vacías del tablero</translation>
    </message>
    <message>
        <source>Undo/Redo</source>
        <translation>Deshacer/Rehacer</translation>
    </message>
    <message>
        <source>Disable Undo/Redo</source>
        <translation>Sin deshacer</translation>
    </message>
    <message>
        <source>Multi-Level</source>
        <translation>Varios movimientos</translation>
    </message>
    <message>
        <source>Continue the game in progress at start</source>
        <translation>Continuar la partida en curso al iniciar</translation>
    </message>
    <message>
        <source>Deal only winnable games</source>
        <translation>Repartir solo partidas ganables</translation>
    </message>
    <message>
        <source>Winnable: any</source>
        <translation>Ganable: cualquiera</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Fácil</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Media</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Difícil</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>Experto</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Juego</translation>
    </message>
    <message>
        <source>Ask before a started game is abandoned</source>
        <translation>Preguntar antes de abandonar una partida empezada</translation>
    </message>
    <message>
        <source>&amp;Animation speed:</source>
        <translation>&amp;Velocidad de animación:</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Desactivada</translation>
    </message>
    <message>
        <source>Fast</source>
        <translation>Rápida</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Slow</source>
        <translation>Lenta</translation>
    </message>
    <message>
        <source>&amp;Language:</source>
        <translation>&amp;Idioma:</translation>
    </message>
    <message>
        <source>A new language shows at the next start.</source>
        <translation>El nuevo idioma se aplica en el próximo inicio.</translation>
    </message>
    <message>
        <source>Set Color</source>
        <translation>Elegir color</translation>
    </message>
    <message>
        <source>Set Picture</source>
        <translation>Elegir imagen</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>Cards</source>
        <translation>Cartas</translation>
    </message>
    <message>
        <source>Car&amp;ds:</source>
        <translation>Ca&amp;rtas:</translation>
    </message>
    <message>
        <source>Preview of the cards</source>
        <translation>Vista previa de las cartas</translation>
    </message>
</context>
<context>
    <name>TPictureForm</name>
    <message>
        <source>This file cannot be shown as a picture.</source>
        <translation>Este archivo no se puede mostrar como imagen.</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>All (*.bmp *.jpg *.jpeg);;Bitmaps (*.bmp);;JPEG (*.jpg *.jpeg)</source>
        <translation>Todas (*.bmp *.jpg *.jpeg);;Mapas de bits (*.bmp);;JPEG (*.jpg *.jpeg)</translation>
    </message>
    <message>
        <source>Select Background Picture</source>
        <translation>Elegir imagen de fondo</translation>
    </message>
    <message>
        <source>&amp;Select File...</source>
        <translation>&amp;Elegir archivo...</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Wood</source>
        <translation>Madera</translation>
    </message>
    <message>
        <source>Marble</source>
        <translation>Mármol</translation>
    </message>
    <message>
        <source>Cloth</source>
        <translation>Tela</translation>
    </message>
</context>
<context>
    <name>TShuffle_Form</name>
    <message>
        <source>Select Shuffle</source>
        <translation>Elegir reparto</translation>
    </message>
    <message>
        <source>Select a game number from
1 to 2147483647</source>
        <translation>Elige un número de reparto
de 1 a 2147483647</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Checking…</source>
        <translation>Comprobando…</translation>
    </message>
</context>
<context>
    <name>TStatForm</name>
    <message>
        <source>Are you sure you want to clear your statistics?</source>
        <translation>¿Seguro que quieres borrar tus estadísticas?</translation>
    </message>
    <message>
        <source>Clear Statistics</source>
        <translation>Borrar estadísticas</translation>
    </message>
    <message>
        <source>Statistics for player &apos;%1&apos;</source>
        <translation>Estadísticas del jugador «%1»</translation>
    </message>
    <message>
        <source>All records</source>
        <translation>Todos</translation>
    </message>
    <message>
        <source>Filled records</source>
        <translation>Con datos</translation>
    </message>
    <message>
        <source>Per game</source>
        <translation>Por solitario</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Historial</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progreso</translation>
    </message>
    <message>
        <source>Click appropriate column header button to sort</source>
        <translation>Haz clic en el encabezado de una columna para ordenar</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Jugador</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>&amp;Hi-Scores...</source>
        <translation>&amp;Récords...</translation>
    </message>
    <message>
        <source>&amp;Clear statistics...</source>
        <translation>&amp;Borrar estadísticas...</translation>
    </message>
    <message>
        <source>The game history %1 cannot be read: %2</source>
        <translation>No se puede leer el historial de partidas %1: %2</translation>
    </message>
    <message>
        <source>Export history</source>
        <translation>Exportar historial</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Archivos CSV (*.csv)</translation>
    </message>
    <message>
        <source>The history could not be written to %1: %2</source>
        <translation>No se pudo escribir el historial en %1: %2</translation>
    </message>
</context>
<context>
    <name>TTray</name>
    <message>
        <source>Show Wenlo Solitaire</source>
        <translation>Mostrar Wenlo Solitaire</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
</context>
<context>
    <name>TUser_Form</name>
    <message>
        <source>Add...</source>
        <translation>Añadir...</translation>
    </message>
    <message>
        <source>Edit...</source>
        <translation>Editar...</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
</context>
<context>
    <name>TWinDlg</name>
    <message>
        <source>Congratulations!!!!</source>
        <translation>¡¡¡¡Enhorabuena!!!!</translation>
    </message>
    <message>
        <source>Once more?</source>
        <translation>¿Otra vez?</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Sí</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;No</translation>
    </message>
</context>
<context>
    <name>TableAccess</name>
    <message>
        <source>Announcement</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <source>Card table</source>
        <translation>Mesa de juego</translation>
    </message>
    <message>
        <source>Card table, %1</source>
        <translation>Mesa de juego, %1</translation>
    </message>
</context>
<context>
    <name>TableHint</name>
    <message>
        <source>F2 deals a new game</source>
        <translation>F2 reparte una nueva partida</translation>
    </message>
    <message>
        <source>Game › Select Solitaire… chooses another</source>
        <translation>Partida › Elegir solitario… elige otro</translation>
    </message>
</context>
<context>
    <name>TableWords</name>
    <message>
        <source>a face-down card</source>
        <translation>una carta boca abajo</translation>
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
        <translation>Jota</translation>
    </message>
    <message>
        <source>Queen</source>
        <translation>Reina</translation>
    </message>
    <message>
        <source>King</source>
        <translation>Rey</translation>
    </message>
    <message>
        <source>clubs</source>
        <translation>tréboles</translation>
    </message>
    <message>
        <source>diamonds</source>
        <translation>diamantes</translation>
    </message>
    <message>
        <source>hearts</source>
        <translation>corazones</translation>
    </message>
    <message>
        <source>spades</source>
        <translation>picas</translation>
    </message>
    <message>
        <source>Unknown card</source>
        <translation>Carta desconocida</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <extracomment>A card&apos;s name: rank, then suit (&quot;Queen of hearts&quot;).</extracomment>
        <translation>%1 de %2</translation>
    </message>
    <message>
        <source>Card face down</source>
        <translation>Carta boca abajo</translation>
    </message>
    <message>
        <source>%1, face up</source>
        <translation>%1, boca arriba</translation>
    </message>
    <message>
        <source>%1, picked up</source>
        <translation>%1, tomada</translation>
    </message>
    <message>
        <source>Foundation %1</source>
        <translation>Fundación %1</translation>
    </message>
    <message>
        <source>Stock</source>
        <translation>Mazo</translation>
    </message>
    <message>
        <source>Waste</source>
        <translation>Descarte</translation>
    </message>
    <message>
        <source>Free cell %1</source>
        <translation>Celda libre %1</translation>
    </message>
    <message>
        <source>Column %1</source>
        <translation>Columna %1</translation>
    </message>
    <message>
        <source>Reserve %1</source>
        <translation>Reserva %1</translation>
    </message>
    <message>
        <source>Reserve</source>
        <translation>Reserva</translation>
    </message>
    <message>
        <source>Pile %1</source>
        <translation>Pila %1</translation>
    </message>
    <message>
        <source>%1, empty</source>
        <translation>%1, vacía</translation>
    </message>
    <message>
        <source>1 card</source>
        <translation>1 carta</translation>
    </message>
    <message>
        <source>%1 cards</source>
        <translation>%1 cartas</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1, %2, all face down</source>
        <translation>%1, %2, todas boca abajo</translation>
    </message>
    <message>
        <source>%1, %2, %3 face down</source>
        <translation>%1, %2, %3 boca abajo</translation>
    </message>
    <message>
        <source>%1 dealt</source>
        <translation>%1 repartida</translation>
    </message>
    <message>
        <source>%1 turned up in %2</source>
        <translation>%1 volteada en %2</translation>
    </message>
    <message>
        <source>%1 and 1 more card</source>
        <translation>%1 y 1 carta más</translation>
    </message>
    <message>
        <source>%1 and %2 more cards</source>
        <translation>%1 y %2 cartas más</translation>
    </message>
    <message>
        <source>%1 from %2 to %3</source>
        <translation>%1 de %2 a %3</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 a %2</translation>
    </message>
    <message>
        <source>Picked up %1 from %2</source>
        <translation>%1 tomada de %2</translation>
    </message>
    <message>
        <source>Put back</source>
        <translation>Devuelta</translation>
    </message>
</context>
<context>
    <name>WinArt</name>
    <message>
        <source>You won!</source>
        <translation>¡Ganaste!</translation>
    </message>
</context>
<context>
    <name>Winnable</name>
    <message>
        <source>Winnable</source>
        <translation>Ganable</translation>
    </message>
    <message>
        <source>Winnable (%1)</source>
        <translation>Ganable (%1)</translation>
    </message>
    <message>
        <source>Not winnable</source>
        <translation>No ganable</translation>
    </message>
    <message>
        <source>Can&apos;t tell</source>
        <translation>Indeterminado</translation>
    </message>
</context>
<context>
    <name>WinnableDeals</name>
    <message>
        <source>Looking for a winnable deal…</source>
        <translation>Buscando un reparto ganable…</translation>
    </message>
    <message>
        <source>Looking for the deal of the day…</source>
        <translation>Buscando el reparto del día…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
</TS>
