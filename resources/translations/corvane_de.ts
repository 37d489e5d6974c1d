<?xml version="1.0" encoding="UTF-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
    <context>
        <name>Corvane</name>
        <message>
            <source>About Corvane</source>
            <translation>Über Corvane</translation>
        </message>
        <message>
            <source>Version %1</source>
            <translation>Version %1</translation>
        </message>
        <message>
            <source>The Trash and clutter utility: browse, empty, protect and erase, and keep the Desktop tidy.</source>
            <translation>Das Werkzeug für Papierkorb und Ordnung: durchsuchen, leeren, schützen und löschen, und den Schreibtisch aufgeräumt halten.</translation>
        </message>
        <message>
            <source>© 2026 The Corvane developers</source>
            <translation>© 2026 Die Corvane-Entwickler</translation>
        </message>
        <message>
            <source>Last cleaned %1</source>
            <translation>Zuletzt geleert %1</translation>
        </message>
        <message>
            <source>Last cleaned %1, %2</source>
            <translation>Zuletzt geleert %1, %2</translation>
        </message>
        <message>
            <source>Trash</source>
            <translation>Papierkorb</translation>
        </message>
        <message>
            <source>Everything in your Trash and on your volumes: sizes, rights, dates and where each item came from. Walk into folders, open or reveal items.</source>
            <translation>Alles in Ihrem Papierkorb und auf Ihren Laufwerken: Größen, Rechte, Daten und woher jedes Objekt kam. Öffnen Sie Ordner, Objekte oder zeigen Sie sie an.</translation>
        </message>
        <message>
            <source>Empty Trash</source>
            <translation>Papierkorb leeren</translation>
        </message>
        <message>
            <source>Auto Clean</source>
            <translation>Automatisch leeren</translation>
        </message>
        <message>
            <source>Empty the Trash by itself when it grows past a size or a chosen period has passed.</source>
            <translation>Den Papierkorb von selbst leeren, wenn er eine Größe überschreitet oder ein gewählter Zeitraum vergangen ist.</translation>
        </message>
        <message>
            <source>Protection</source>
            <translation>Schutz</translation>
        </message>
        <message>
            <source>Rules that keep kinds of files, and items from chosen folders, in the Trash when it is emptied.</source>
            <translation>Regeln, die bestimmte Dateitypen und Objekte aus gewählten Ordnern beim Leeren im Papierkorb behalten.</translation>
        </message>
        <message>
            <source>Desktop Tidy</source>
            <translation>Schreibtisch aufräumen</translation>
        </message>
        <message>
            <source>Sweep the Desktop into one store folder, then browse it by kind, preview, put items back or delete them.</source>
            <translation>Den Schreibtisch in einen Ablageordner räumen, ihn dann nach Art durchsuchen, Vorschau ansehen, Objekte zurücklegen oder löschen.</translation>
        </message>
        <message>
            <source>Secure Erase</source>
            <translation>Sicheres Löschen</translation>
        </message>
        <message>
            <source>Overwrite files and folders before removing them, so they can't be recovered. You can also drop files on any Corvane window.</source>
            <translation>Dateien und Ordner vor dem Entfernen überschreiben, damit sie nicht wiederhergestellt werden können. Sie können Dateien auch auf jedes Corvane-Fenster ziehen.</translation>
        </message>
        <message>
            <source>Cookies</source>
            <translation>Cookies</translation>
        </message>
        <message>
            <source>The cookies your browsers keep: see them, export them as text or as cookies.txt, and remove them.</source>
            <translation>Die Cookies, die Ihre Browser speichern: ansehen, als Text oder als cookies.txt exportieren und entfernen.</translation>
        </message>
        <message>
            <source>Open a cookie file</source>
            <translation>Cookie-Datei öffnen</translation>
        </message>
        <message>
            <source>Erasing the chosen items…</source>
            <translation>Die gewählten Objekte werden gelöscht …</translation>
        </message>
        <message>
            <source>Erasing</source>
            <translation>Löschen</translation>
        </message>
        <message>
            <source>Emptying the Trash…</source>
            <translation>Papierkorb wird geleert …</translation>
        </message>
        <message>
            <source>Removing</source>
            <translation>Entfernen</translation>
        </message>
        <message>
            <source>Trash Items…</source>
            <translation>Objekte im Papierkorb …</translation>
        </message>
        <message>
            <source>Secure Erase…</source>
            <translation>Sicheres Löschen …</translation>
        </message>
        <message>
            <source>Protection Rules…</source>
            <translation>Schutzregeln …</translation>
        </message>
        <message>
            <source>Auto Clean…</source>
            <translation>Automatisch leeren …</translation>
        </message>
        <message>
            <source>Help</source>
            <translation>Hilfe</translation>
        </message>
        <message>
            <source>Corvane Help</source>
            <translation>Corvane-Hilfe</translation>
        </message>
        <message>
            <source>Check for Updates…</source>
            <translation>Nach Updates suchen …</translation>
        </message>
        <message>
            <source>Corvane is still running</source>
            <translation>Corvane läuft noch</translation>
        </message>
        <message>
            <source>Open Corvane from the application menu to bring its window back.</source>
            <translation>Öffnen Sie Corvane über das Anwendungsmenü, um sein Fenster zurückzuholen.</translation>
        </message>
        <message>
            <source>Open Corvane</source>
            <translation>Corvane öffnen</translation>
        </message>
        <message>
            <source>Allow Access</source>
            <translation>Zugriff erlauben</translation>
        </message>
        <message>
            <source>Allow Corvane into your folders</source>
            <translation>Corvane Zugriff auf Ihre Ordner erlauben</translation>
        </message>
        <message>
            <source>Choose the folder Corvane may work in (your Trash or your home folder). The browser cookie sources are read once a folder is granted.</source>
            <translation>Wählen Sie den Ordner, in dem Corvane arbeiten darf (Ihren Papierkorb oder Ihren persönlichen Ordner). Die Cookie-Quellen der Browser werden gelesen, sobald ein Ordner freigegeben ist.</translation>
        </message>
        <message>
            <source>Where should your Desktop's items go?</source>
            <translation>Wohin sollen die Objekte Ihres Schreibtischs?</translation>
        </message>
        <message>
            <source>Tidying moves the items on your Desktop into a folder named com.Nordquil.ploverly. Choose the folder that holds it: not the Desktop itself, nor your home folder.</source>
            <translation>Das Aufräumen verschiebt die Objekte Ihres Schreibtischs in einen Ordner namens com.Nordquil.ploverly. Wählen Sie den Ordner, der ihn enthält: weder den Schreibtisch selbst noch Ihren persönlichen Ordner.</translation>
        </message>
        <message>
            <source>Choose Folder…</source>
            <translation>Ordner wählen …</translation>
        </message>
        <message>
            <source>Tidy Now</source>
            <translation>Jetzt aufräumen</translation>
        </message>
        <message>
            <source>Corvane needs access to your Trash</source>
            <translation>Corvane braucht Zugriff auf Ihren Papierkorb</translation>
        </message>
        <message>
            <source>Corvane could not read the records of your Trash. Allow Corvane full access to your disk in the system's privacy settings, then open Corvane again so that it can list where your items came from.</source>
            <translation>Corvane konnte die Angaben Ihres Papierkorbs nicht lesen. Erlauben Sie Corvane in den Datenschutzeinstellungen des Systems vollen Festplattenzugriff und öffnen Sie Corvane dann erneut, damit es anzeigen kann, woher Ihre Objekte kamen.</translation>
        </message>
        <message>
            <source>OK</source>
            <translation>OK</translation>
        </message>
        <message>
            <source>Welcome to Corvane</source>
            <translation>Willkommen bei Corvane</translation>
        </message>
        <message>
            <source>Your Trash, all of it</source>
            <translation>Ihr ganzer Papierkorb</translation>
        </message>
        <message>
            <source>See every item in the Trash and on your volumes, where it came from, and put it back or remove it for good.</source>
            <translation>Sehen Sie jedes Objekt im Papierkorb und auf Ihren Laufwerken, woher es kam, und legen Sie es zurück oder entfernen Sie es endgültig.</translation>
        </message>
        <message>
            <source>Cleans itself</source>
            <translation>Leert sich selbst</translation>
        </message>
        <message>
            <source>Empty the Trash on a schedule or when it grows too large.</source>
            <translation>Leeren Sie den Papierkorb nach Zeitplan oder wenn er zu groß wird.</translation>
        </message>
        <message>
            <source>Protects what matters</source>
            <translation>Schützt, was zählt</translation>
        </message>
        <message>
            <source>Rules keep chosen kinds of files and folders from being emptied.</source>
            <translation>Regeln bewahren gewählte Dateitypen und Ordner vor dem Leeren.</translation>
        </message>
        <message>
            <source>Always in reach</source>
            <translation>Immer griffbereit</translation>
        </message>
        <message>
            <source>Corvane lives in the panel: click its icon for the quick view, right-click it for the menu.</source>
            <translation>Corvane wohnt in der Leiste: Klicken Sie auf das Symbol für die Schnellansicht, rechtsklicken Sie für das Menü.</translation>
        </message>
        <message>
            <source>Got it</source>
            <translation>Verstanden</translation>
        </message>
        <message>
            <source>Corvane keeps your Trash, your Desktop and your browsers tidy. Pick a section on the left, or use the Corvane icon in the panel.</source>
            <translation>Corvane hält Ihren Papierkorb, Ihren Schreibtisch und Ihre Browser in Ordnung. Wählen Sie links einen Bereich oder nutzen Sie das Corvane-Symbol in der Leiste.</translation>
        </message>
        <message>
            <source>General</source>
            <translation>Allgemein</translation>
        </message>
        <message>
            <source>Open Corvane at login</source>
            <translation>Corvane bei der Anmeldung öffnen</translation>
        </message>
        <message>
            <source>Tidy automatically and follow the dark appearance</source>
            <translation>Automatisch aufräumen und dem dunklen Erscheinungsbild folgen</translation>
        </message>
        <message>
            <source>Overview</source>
            <translation>Übersicht</translation>
        </message>
        <message>
            <source>Open</source>
            <translation>Öffnen</translation>
        </message>
        <message>
            <source>Quit</source>
            <translation>Beenden</translation>
        </message>
        <message>
            <source>Corvane Preferences</source>
            <translation>Corvane-Einstellungen</translation>
        </message>
        <message>
            <source>Task bar</source>
            <translation>Taskleiste</translation>
        </message>
        <message>
            <source>Keep Corvane off the task bar</source>
            <translation>Corvane nicht in der Taskleiste zeigen</translation>
        </message>
        <message>
            <source>Desktop tidy</source>
            <translation>Schreibtisch aufräumen</translation>
        </message>
        <message>
            <source>Change Store Location…</source>
            <translation>Ablageort ändern …</translation>
        </message>
        <message>
            <source>Settings</source>
            <translation>Einstellungen</translation>
        </message>
        <message>
            <source>Corvane keeps its settings in %1</source>
            <translation>Corvane speichert seine Einstellungen in %1</translation>
        </message>
        <message>
            <source>No store folder is chosen yet.</source>
            <translation>Noch kein Ablageordner gewählt.</translation>
        </message>
        <message>
            <source>Corvane stays off the task bar; reach it through its icon in the panel.</source>
            <translation>Corvane bleibt aus der Taskleiste heraus; Sie erreichen es über sein Symbol in der Leiste.</translation>
        </message>
        <message>
            <source>Corvane's main window shows in the task bar.</source>
            <translation>Das Hauptfenster von Corvane erscheint in der Taskleiste.</translation>
        </message>
        <message>
            <source>Deleting</source>
            <translation>Löschen</translation>
        </message>
        <message>
            <source>Are you sure you want to permanently erase the selected items ?</source>
            <translation>Möchten Sie die ausgewählten Objekte wirklich endgültig löschen?</translation>
        </message>
        <message>
            <source> Erase </source>
            <translation> Löschen </translation>
        </message>
        <message>
            <source> Cancel </source>
            <translation> Abbrechen </translation>
        </message>
        <message>
            <source>Quick View</source>
            <translation>Schnellansicht</translation>
        </message>
        <message>
            <source>Preferences…</source>
            <translation>Einstellungen …</translation>
        </message>
        <message>
            <source>Quit Corvane</source>
            <translation>Corvane beenden</translation>
        </message>
        <message>
            <source>Daily</source>
            <translation>Täglich</translation>
        </message>
        <message>
            <source>3 Days</source>
            <translation>Alle 3 Tage</translation>
        </message>
        <message>
            <source>Every Week</source>
            <translation>Jede Woche</translation>
        </message>
        <message>
            <source>Two Weeks</source>
            <translation>Alle zwei Wochen</translation>
        </message>
        <message>
            <source>Monthly</source>
            <translation>Monatlich</translation>
        </message>
        <message>
            <source>Two Months</source>
            <translation>Alle zwei Monate</translation>
        </message>
        <message>
            <source>Are you sure you want to remove all items in the Trash ?</source>
            <translation>Möchten Sie wirklich alle Objekte im Papierkorb entfernen?</translation>
        </message>
        <message>
            <source> Empty Trash </source>
            <translation> Papierkorb leeren </translation>
        </message>
        <message>
            <source>Start to empty Trash now</source>
            <translation>Jetzt mit dem Leeren des Papierkorbs beginnen</translation>
        </message>
        <message>
            <source>Later</source>
            <translation>Später</translation>
        </message>
        <message>
            <source>Corvane empties your Trash by itself when it grows too large or when the chosen time has passed.</source>
            <translation>Corvane leert Ihren Papierkorb von selbst, wenn er zu groß wird oder die gewählte Zeit vergangen ist.</translation>
        </message>
        <message>
            <source>These settings are open in the Corvane panel popover.</source>
            <translation>Diese Einstellungen sind im Corvane-Aufklappfenster geöffnet.</translation>
        </message>
        <message>
            <source>Empty automatically</source>
            <translation>Automatisch leeren</translation>
        </message>
        <message>
            <source>On a schedule</source>
            <translation>Nach Zeitplan</translation>
        </message>
        <message>
            <source>Every</source>
            <translation>Alle</translation>
        </message>
        <message>
            <source>When the Trash reaches</source>
            <translation>Wenn der Papierkorb erreicht</translation>
        </message>
        <message>
            <source>Trash size that starts emptying</source>
            <translation>Papierkorbgröße, ab der geleert wird</translation>
        </message>
        <message>
            <source>Ask before emptying</source>
            <translation>Vor dem Leeren fragen</translation>
        </message>
        <message>
            <source>Last cleaned</source>
            <translation>Zuletzt geleert</translation>
        </message>
        <message>
            <source>Nothing emptied yet</source>
            <translation>Noch nichts geleert</translation>
        </message>
        <message>
            <source>some items could not be removed with your rights</source>
            <translation>einige Objekte konnten mit Ihren Rechten nicht entfernt werden</translation>
        </message>
        <message>
            <source>some items could not be removed with your rights; run Corvane's helper to finish</source>
            <translation>einige Objekte konnten mit Ihren Rechten nicht entfernt werden; starten Sie das Hilfsprogramm von Corvane, um fertig zu werden</translation>
        </message>
        <message>
            <source>usage: %1</source>
            <translation>Aufruf: %1</translation>
        </message>
        <message>
            <source>%1: unexpected &quot;%2&quot;</source>
            <translation>%1: unerwartetes „%2“</translation>
        </message>
        <message>
            <source>%1 needs --source safari|chrome|firefox|FILE</source>
            <translation>%1 braucht --source safari|chrome|firefox|DATEI</translation>
        </message>
        <message>
            <source>no %1 cookies found</source>
            <translation>keine %1-Cookies gefunden</translation>
        </message>
        <message>
            <source>&quot;%1&quot; is not a cookie file</source>
            <translation>„%1“ ist keine Cookie-Datei</translation>
        </message>
        <message>
            <source>&quot;%1&quot; could not be written</source>
            <translation>„%1“ konnte nicht geschrieben werden</translation>
        </message>
        <message>
            <source>%1 cookie(s) left out: encrypted with a key Corvane could not use, or not carried by cookies.txt</source>
            <translation>%1 Cookie(s) ausgelassen: mit einem Schlüssel verschlüsselt, den Corvane nicht nutzen konnte, oder von cookies.txt nicht darstellbar</translation>
        </message>
        <message>
            <source>no cookies to remove at &quot;%1&quot;</source>
            <translation>keine Cookies zum Entfernen in „%1“</translation>
        </message>
        <message>
            <source>Remove every cookie of &quot;%1&quot;?</source>
            <translation>Alle Cookies von „%1“ entfernen?</translation>
        </message>
        <message>
            <source> Remove </source>
            <translation> Entfernen </translation>
        </message>
        <message>
            <source>nothing was removed</source>
            <translation>nichts wurde entfernt</translation>
        </message>
        <message>
            <source>cookies needs list, export or remove</source>
            <translation>cookies braucht list, export oder remove</translation>
        </message>
        <message>
            <source>no store location is chosen yet (corvane-cli desktop store-location DIR)</source>
            <translation>noch kein Ablageort gewählt (corvane-cli desktop store-location ORDNER)</translation>
        </message>
        <message>
            <source>desktop store-location takes one folder at most</source>
            <translation>desktop store-location nimmt höchstens einen Ordner</translation>
        </message>
        <message>
            <source>no store location is chosen yet</source>
            <translation>noch kein Ablageort gewählt</translation>
        </message>
        <message>
            <source>%1: not a folder</source>
            <translation>%1: kein Ordner</translation>
        </message>
        <message>
            <source>the settings could not be written</source>
            <translation>die Einstellungen konnten nicht geschrieben werden</translation>
        </message>
        <message>
            <source>nothing tidied: %1</source>
            <translation>nichts aufgeräumt: %1</translation>
        </message>
        <message>
            <source>%1: the store folder can't be made</source>
            <translation>%1: der Ablageordner kann nicht angelegt werden</translation>
        </message>
        <message>
            <source>left on the Desktop: %1</source>
            <translation>auf dem Schreibtisch geblieben: %1</translation>
        </message>
        <message>
            <source>desktop list: unknown option %1</source>
            <translation>desktop list: unbekannte Option %1</translation>
        </message>
        <message>
            <source>desktop list: --kind is one of folder, pictures, documents, archives, other</source>
            <translation>desktop list: --kind ist folder, pictures, documents, archives oder other</translation>
        </message>
        <message>
            <source>desktop list takes no names</source>
            <translation>desktop list nimmt keine Namen</translation>
        </message>
        <message>
            <source>desktop %1 needs the name of a stored item</source>
            <translation>desktop %1 braucht den Namen eines abgelegten Objekts</translation>
        </message>
        <message>
            <source>%1: not a name in the store</source>
            <translation>%1: kein Name in der Ablage</translation>
        </message>
        <message>
            <source>%1: not in the store</source>
            <translation>%1: nicht in der Ablage</translation>
        </message>
        <message>
            <source>the Desktop already has that name</source>
            <translation>der Schreibtisch hat schon ein Objekt dieses Namens</translation>
        </message>
        <message>
            <source>Delete &quot;%1&quot; for good?</source>
            <translation>„%1“ endgültig löschen?</translation>
        </message>
        <message>
            <source> Delete </source>
            <translation> Löschen </translation>
        </message>
        <message>
            <source>It does not go to the Trash.</source>
            <translation>Es kommt nicht in den Papierkorb.</translation>
        </message>
        <message>
            <source>%1: kept</source>
            <translation>%1: behalten</translation>
        </message>
        <message>
            <source>desktop needs tidy, list, restore, delete or store-location (see --help)</source>
            <translation>desktop braucht tidy, list, restore, delete oder store-location (siehe --help)</translation>
        </message>
        <message>
            <source>nothing emptied</source>
            <translation>nichts geleert</translation>
        </message>
        <message>
            <source>rules list takes no arguments</source>
            <translation>rules list nimmt keine Argumente</translation>
        </message>
        <message>
            <source>rules %1 needs at least one argument</source>
            <translation>rules %1 braucht mindestens ein Argument</translation>
        </message>
        <message>
            <source>rules %1: the settings file could not be written</source>
            <translation>rules %1: die Einstellungsdatei konnte nicht geschrieben werden</translation>
        </message>
        <message>
            <source>rules needs one of: list, add-format, add-location, remove-format, remove-location</source>
            <translation>rules braucht eines von: list, add-format, add-location, remove-format, remove-location</translation>
        </message>
        <message>
            <source>size needs at least one path</source>
            <translation>size braucht mindestens einen Pfad</translation>
        </message>
        <message>
            <source>%1: no such file or folder</source>
            <translation>%1: keine solche Datei und kein solcher Ordner</translation>
        </message>
        <message>
            <source>: no such item in the Trash</source>
            <translation>: kein solches Objekt im Papierkorb</translation>
        </message>
        <message>
            <source>: several items have this name; give its path in the Trash</source>
            <translation>: mehrere Objekte haben diesen Namen; geben Sie seinen Pfad im Papierkorb an</translation>
        </message>
        <message>
            <source>name at least one item of the Trash</source>
            <translation>nennen Sie mindestens ein Objekt des Papierkorbs</translation>
        </message>
        <message>
            <source>%1: could not be removed with your rights</source>
            <translation>%1: konnte mit Ihren Rechten nicht entfernt werden</translation>
        </message>
        <message>
            <source>%1: its record names %2, outside the volume %3; it stays in the Trash (--force puts it back there)</source>
            <translation>%1: sein Eintrag nennt %2, außerhalb des Volumes %3; es bleibt im Papierkorb (--force legt es dorthin zurück)</translation>
        </message>
        <message>
            <source>trash empty takes no arguments</source>
            <translation>trash empty nimmt keine Argumente</translation>
        </message>
        <message>
            <source>erase needs at least one path</source>
            <translation>erase braucht mindestens einen Pfad</translation>
        </message>
        <message>
            <source>nothing erased</source>
            <translation>nichts gelöscht</translation>
        </message>
        <message>
            <source>%1: could not be erased</source>
            <translation>%1: konnte nicht gelöscht werden</translation>
        </message>
        <message>
            <source>trash list takes only --json, not &quot;%1&quot;</source>
            <translation>trash list nimmt nur --json, nicht „%1“</translation>
        </message>
        <message>
            <source>trash tree takes no arguments</source>
            <translation>trash tree nimmt keine Argumente</translation>
        </message>
        <message>
            <source>trash putback-paths takes no arguments</source>
            <translation>trash putback-paths nimmt keine Argumente</translation>
        </message>
        <message>
            <source>trash needs one of: list, tree, putback-paths, empty, delete, shred, putback</source>
            <translation>trash braucht eines von: list, tree, putback-paths, empty, delete, shred, putback</translation>
        </message>
        <message>
            <source>the update check failed: %1 (%2)</source>
            <translation>die Suche nach Updates ist fehlgeschlagen: %1 (%2)</translation>
        </message>
        <message>
            <source>%1 has no option &quot;%2&quot; (an argument that begins with &quot;-&quot; goes after &quot;--&quot;)</source>
            <translation>%1 hat keine Option „%2“ (ein Argument, das mit „-“ beginnt, gehört hinter „--“)</translation>
        </message>
        <message>
            <source>unknown option &quot;%1&quot; (see corvane-cli --help)</source>
            <translation>unbekannte Option „%1“ (siehe corvane-cli --help)</translation>
        </message>
        <message>
            <source>unknown verb &quot;%1&quot; (see corvane-cli --help)</source>
            <translation>unbekanntes Verb „%1“ (siehe corvane-cli --help)</translation>
        </message>
        <message>
            <source>&quot;%1&quot; is not a file that can be read.</source>
            <translation>„%1“ ist keine lesbare Datei.</translation>
        </message>
        <message>
            <source>&quot;%1&quot; is too large to be a cookie file.</source>
            <translation>„%1“ ist zu groß für eine Cookie-Datei.</translation>
        </message>
        <message>
            <source>&quot;%1&quot; can't be read.</source>
            <translation>„%1“ kann nicht gelesen werden.</translation>
        </message>
        <message>
            <source>&quot;%1&quot; is not a cookie database.</source>
            <translation>„%1“ ist keine Cookie-Datenbank.</translation>
        </message>
        <message>
            <source>&quot;%1&quot; can't be read as a database.</source>
            <translation>„%1“ kann nicht als Datenbank gelesen werden.</translation>
        </message>
        <message>
            <source>&quot;%1&quot; is locked and its copy can't be read.</source>
            <translation>„%1“ ist gesperrt und seine Kopie kann nicht gelesen werden.</translation>
        </message>
        <message>
            <source>The cookies of &quot;%1&quot; can't be read: %2.</source>
            <translation>Die Cookies von „%1“ können nicht gelesen werden: %2.</translation>
        </message>
        <message>
            <source>The cookies of &quot;%1&quot; were read only in part: %2.</source>
            <translation>Die Cookies von „%1“ wurden nur teilweise gelesen: %2.</translation>
        </message>
        <message>
            <source>&quot;%1&quot; has a cookie table Corvane does not know.</source>
            <translation>„%1“ hat eine Cookie-Tabelle, die Corvane nicht kennt.</translation>
        </message>
        <message>
            <source>&quot;%1&quot; holds no cookies of this browser.</source>
            <translation>„%1“ enthält keine Cookies dieses Browsers.</translation>
        </message>
        <message>
            <source>&quot;%1&quot; is a database, but not a browser's cookie database.</source>
            <translation>„%1“ ist eine Datenbank, aber nicht die Cookie-Datenbank eines Browsers.</translation>
        </message>
        <message>
            <source>Chrome</source>
            <translation>Chrome</translation>
        </message>
        <message>
            <source>Firefox</source>
            <translation>Firefox</translation>
        </message>
        <message>
            <source>Safari</source>
            <translation>Safari</translation>
        </message>
        <message>
            <source> OK </source>
            <translation> OK </translation>
        </message>
        <message>
            <source>&quot;%1&quot; is not a cookie file.</source>
            <translation>„%1“ ist keine Cookie-Datei.</translation>
        </message>
        <message>
            <source>Corvane reads binary cookie files and the cookie databases of Chrome, Chromium and Firefox.</source>
            <translation>Corvane liest binäre Cookie-Dateien und die Cookie-Datenbanken von Chrome, Chromium und Firefox.</translation>
        </message>
        <message>
            <source>%1 is running.</source>
            <translation>%1 läuft gerade.</translation>
        </message>
        <message>
            <source>A running browser may write its cookies back when it closes. Close it first to be sure they are gone.</source>
            <translation>Ein laufender Browser kann seine Cookies beim Schließen zurückschreiben. Schließen Sie ihn zuerst, um sicher zu sein, dass sie weg sind.</translation>
        </message>
        <message>
            <source>The cookies were not removed.</source>
            <translation>Die Cookies wurden nicht entfernt.</translation>
        </message>
        <message>
            <source>The cookies could not be exported.</source>
            <translation>Die Cookies konnten nicht exportiert werden.</translation>
        </message>
        <message>
            <source>&quot;%1&quot; could not be written.</source>
            <translation>„%1“ konnte nicht geschrieben werden.</translation>
        </message>
        <message>
            <source>1 cookie left out of the export.</source>
            <translation>1 Cookie wurde beim Export ausgelassen.</translation>
        </message>
        <message>
            <source>%1 cookies left out of the export.</source>
            <translation>%1 Cookies wurden beim Export ausgelassen.</translation>
        </message>
        <message>
            <source>Their values are encrypted with a key Corvane could not use, or hold characters a cookies.txt file can't carry.</source>
            <translation>Ihre Werte sind mit einem Schlüssel verschlüsselt, den Corvane nicht nutzen konnte, oder enthalten Zeichen, die eine cookies.txt-Datei nicht aufnehmen kann.</translation>
        </message>
        <message>
            <source>Open a cookie file…</source>
            <translation>Cookie-Datei öffnen …</translation>
        </message>
        <message>
            <source>Binary cookie file</source>
            <translation>Binäre Cookie-Datei</translation>
        </message>
        <message>
            <source>Chrome and Chromium</source>
            <translation>Chrome und Chromium</translation>
        </message>
        <message>
            <source>The files you opened</source>
            <translation>Die von Ihnen geöffneten Dateien</translation>
        </message>
        <message>
            <source>Pick a browser above to see the cookies it keeps, or open a cookie file. You can export them as text or as a cookies.txt file, and remove them.</source>
            <translation>Wählen Sie oben einen Browser, um seine Cookies zu sehen, oder öffnen Sie eine Cookie-Datei. Sie können sie als Text oder als cookies.txt-Datei exportieren und entfernen.</translation>
        </message>
        <message>
            <source>Secure</source>
            <translation>Sicher</translation>
        </message>
        <message>
            <source>Export</source>
            <translation>Exportieren</translation>
        </message>
        <message>
            <source>Export as cookies.txt</source>
            <translation>Als cookies.txt exportieren</translation>
        </message>
        <message>
            <source>Remove All Cookies</source>
            <translation>Alle Cookies entfernen</translation>
        </message>
        <message>
            <source>1 cookie</source>
            <translation>1 Cookie</translation>
        </message>
        <message>
            <source>%1 cookies</source>
            <translation>%1 Cookies</translation>
        </message>
        <message>
            <source>%1 in %2</source>
            <translation>%1 in %2</translation>
        </message>
        <message>
            <source>The cookies of &quot;%1&quot; can't be removed while the browser holds them: close the browser and try again.</source>
            <translation>Die Cookies von „%1“ können nicht entfernt werden, solange der Browser sie hält: Schließen Sie den Browser und versuchen Sie es erneut.</translation>
        </message>
        <message>
            <source>&quot;%1&quot; is not a regular file; the cookies were left as they are.</source>
            <translation>„%1“ ist keine gewöhnliche Datei; die Cookies wurden unverändert gelassen.</translation>
        </message>
        <message>
            <source>Corvane's empty cookie file is missing; nothing was removed.</source>
            <translation>Die leere Cookie-Datei von Corvane fehlt; nichts wurde entfernt.</translation>
        </message>
        <message>
            <source>&quot;%1&quot; is not a regular file; it was left as it is.</source>
            <translation>„%1“ ist keine gewöhnliche Datei; sie wurde unverändert gelassen.</translation>
        </message>
        <message>
            <source>&quot;%1&quot; could not be replaced.</source>
            <translation>„%1“ konnte nicht ersetzt werden.</translation>
        </message>
        <message>
            <source>&quot;%1&quot; no longer holds the cookies that were shown.</source>
            <translation>„%1“ enthält nicht mehr die angezeigten Cookies.</translation>
        </message>
        <message>
            <source>&quot;%1&quot; can't be opened for writing.</source>
            <translation>„%1“ kann nicht zum Schreiben geöffnet werden.</translation>
        </message>
        <message>
            <source>The cookies of &quot;%1&quot; could not be removed: %2.</source>
            <translation>Die Cookies von „%1“ konnten nicht entfernt werden: %2.</translation>
        </message>
        <message>
            <source>The cookies of &quot;%1&quot; could not be counted after the removal: %2.</source>
            <translation>Die Cookies von „%1“ konnten nach dem Entfernen nicht gezählt werden: %2.</translation>
        </message>
        <message>
            <source>%1 cookie(s) of &quot;%2&quot; are still there: a rule of the database kept them from being removed.</source>
            <translation>%1 Cookie(s) von „%2“ sind noch da: eine Regel der Datenbank hat ihr Entfernen verhindert.</translation>
        </message>
        <message>
            <source>The Firefox profile &quot;%1&quot; lies outside your home folder; it was not read.</source>
            <translation>Das Firefox-Profil „%1“ liegt außerhalb Ihres persönlichen Ordners; es wurde nicht gelesen.</translation>
        </message>
        <message>
            <source>Encrypted with a key Corvane could not use; shown as its bytes.</source>
            <translation>Mit einem Schlüssel verschlüsselt, den Corvane nicht nutzen konnte; als Bytes angezeigt.</translation>
        </message>
        <message>
            <source>Session</source>
            <translation>Sitzung</translation>
        </message>
        <message>
            <source>Website</source>
            <translation>Website</translation>
        </message>
        <message>
            <source>Name</source>
            <translation>Name</translation>
        </message>
        <message>
            <source>Path</source>
            <translation>Pfad</translation>
        </message>
        <message>
            <source>Value</source>
            <translation>Wert</translation>
        </message>
        <message>
            <source>Expires</source>
            <translation>Läuft ab</translation>
        </message>
        <message>
            <source>another file system is mounted inside it</source>
            <translation>darin ist ein anderes Dateisystem eingehängt</translation>
        </message>
        <message>
            <source>another file system is mounted on it</source>
            <translation>darauf ist ein anderes Dateisystem eingehängt</translation>
        </message>
        <message>
            <source>it was copied whole, but part of it could not be removed from where it was: %1</source>
            <translation>es wurde vollständig kopiert, aber ein Teil konnte an seinem alten Ort nicht entfernt werden: %1</translation>
        </message>
        <message>
            <source>&quot;%1&quot; is another file system mounted here; Corvane leaves it alone.</source>
            <translation>„%1“ ist ein hier eingehängtes anderes Dateisystem; Corvane lässt es unberührt.</translation>
        </message>
        <message>
            <source>&quot;%1&quot; belongs to someone else or may be changed by other users.</source>
            <translation>„%1“ gehört jemand anderem oder kann von anderen Benutzern verändert werden.</translation>
        </message>
        <message>
            <source>&quot;%1&quot; is not a name in a folder.</source>
            <translation>„%1“ ist kein Name in einem Ordner.</translation>
        </message>
        <message>
            <source>&quot;%1&quot; is not among the items chosen; Corvane leaves it alone.</source>
            <translation>„%1“ gehört nicht zu den gewählten Objekten; Corvane lässt es unberührt.</translation>
        </message>
        <message>
            <source>&quot;%1&quot; is the top of a disk or of the system; Corvane does not act on it.</source>
            <translation>„%1“ ist die oberste Ebene eines Datenträgers oder des Systems; Corvane verändert sie nicht.</translation>
        </message>
        <message>
            <source>&quot;%1&quot; is or holds the home folder; Corvane does not act on it.</source>
            <translation>„%1“ ist der Benutzerordner oder enthält ihn; Corvane verändert ihn nicht.</translation>
        </message>
        <message>
            <source>&quot;%1&quot; holds &quot;%2&quot;, which Corvane keeps; Corvane does not act on it.</source>
            <translation>„%1“ enthält „%2“, das Corvane bewahrt; Corvane verändert es nicht.</translation>
        </message>
        <message>
            <source>No folder is set.</source>
            <translation>Es ist kein Ordner festgelegt.</translation>
        </message>
        <message>
            <source>&quot;%1&quot; is not an absolute path.</source>
            <translation>„%1“ ist kein absoluter Pfad.</translation>
        </message>
        <message>
            <source>&quot;%1&quot; can't be opened.</source>
            <translation>„%1“ kann nicht geöffnet werden.</translation>
        </message>
        <message>
            <source>&quot;%1&quot; is the home folder or the top of a disk; Corvane does not act on it.</source>
            <translation>„%1“ ist der Benutzerordner oder die oberste Ebene eines Datenträgers; Corvane verändert ihn nicht.</translation>
        </message>
        <message>
            <source>No item is chosen.</source>
            <translation>Es ist kein Objekt gewählt.</translation>
        </message>
        <message>
            <source>another file system is mounted here; left alone</source>
            <translation>hier ist ein anderes Dateisystem eingehängt; unverändert gelassen</translation>
        </message>
        <message>
            <source>it changed while Corvane worked on it</source>
            <translation>es hat sich verändert, während Corvane daran arbeitete</translation>
        </message>
        <message>
            <source>its contents can't be read</source>
            <translation>sein Inhalt kann nicht gelesen werden</translation>
        </message>
        <message>
            <source>its folder was moved while Corvane worked in it; stopped</source>
            <translation>sein Ordner wurde verschoben, während Corvane darin arbeitete; angehalten</translation>
        </message>
        <message>
            <source>removed, not overwritten whole: %1</source>
            <translation>entfernt, nicht vollständig überschrieben: %1</translation>
        </message>
        <message>
            <source>removed, the overwrite may not have reached the disk: %1</source>
            <translation>entfernt, das Überschreiben hat die Festplatte vielleicht nicht erreicht: %1</translation>
        </message>
        <message>
            <source>removed, but data was added while it was overwritten</source>
            <translation>entfernt, aber während des Überschreibens kamen Daten hinzu</translation>
        </message>
        <message>
            <source>removed, not overwritten: %1</source>
            <translation>entfernt, nicht überschrieben: %1</translation>
        </message>
        <message>
            <source>removed, not overwritten: it is not a regular file</source>
            <translation>entfernt, nicht überschrieben: es ist keine gewöhnliche Datei</translation>
        </message>
        <message>
            <source>removed, not overwritten: it has other names</source>
            <translation>entfernt, nicht überschrieben: es hat weitere Namen</translation>
        </message>
        <message>
            <source>&quot;/&quot; can't be opened.</source>
            <translation>„/“ kann nicht geöffnet werden.</translation>
        </message>
        <message>
            <source>&quot;/&quot; may be changed by other users.</source>
            <translation>„/“ kann von anderen Benutzern verändert werden.</translation>
        </message>
        <message>
            <source>&quot;%1&quot; has a &quot;..&quot; step.</source>
            <translation>„%1“ enthält einen „..“-Schritt.</translation>
        </message>
        <message>
            <source>&quot;%1&quot; is a link; Corvane does not follow it.</source>
            <translation>„%1“ ist eine Verknüpfung; Corvane folgt ihr nicht.</translation>
        </message>
        <message>
            <source>&quot;%1&quot; can't be opened: %2.</source>
            <translation>„%1“ kann nicht geöffnet werden: %2.</translation>
        </message>
        <message>
            <source>A tidy is already under way.</source>
            <translation>Es wird bereits aufgeräumt.</translation>
        </message>
        <message>
            <source>A tidy is under way; the list is refreshed when it ends.</source>
            <translation>Es wird gerade aufgeräumt; die Liste wird aktualisiert, sobald es fertig ist.</translation>
        </message>
        <message>
            <source>The store folder is missing; the next tidy makes it again.</source>
            <translation>Der Ablageordner fehlt; das nächste Aufräumen legt ihn wieder an.</translation>
        </message>
        <message>
            <source>&quot;%1&quot; stays in the store.</source>
            <translation>„%1“ bleibt in der Ablage.</translation>
        </message>
        <message>
            <source>The Desktop already has an item of that name.</source>
            <translation>Der Schreibtisch hat schon ein Objekt dieses Namens.</translation>
        </message>
        <message>
            <source>&quot;%1&quot; could not be deleted.</source>
            <translation>„%1“ konnte nicht gelöscht werden.</translation>
        </message>
        <message>
            <source>&quot;%1&quot; is not an item of the store folder.</source>
            <translation>„%1“ ist kein Objekt des Ablageordners.</translation>
        </message>
        <message>
            <source>No store location is chosen yet.</source>
            <translation>Es ist noch kein Ablageort gewählt.</translation>
        </message>
        <message>
            <source>The store folder &quot;%1&quot; may be changed by other users.</source>
            <translation>Der Ablageordner „%1“ kann von anderen Benutzern geändert werden.</translation>
        </message>
        <message>
            <source>&quot;%1&quot; can't be made: %2.</source>
            <translation>„%1“ kann nicht angelegt werden: %2.</translation>
        </message>
        <message>
            <source>There is no Desktop folder to tidy.</source>
            <translation>Es gibt keinen Schreibtischordner zum Aufräumen.</translation>
        </message>
        <message>
            <source>the Desktop folder can't be opened</source>
            <translation>der Schreibtischordner kann nicht geöffnet werden</translation>
        </message>
        <message>
            <source>a stored item has that name</source>
            <translation>ein abgelegtes Objekt hat diesen Namen</translation>
        </message>
        <message>
            <source>There is no Desktop folder to put it back on.</source>
            <translation>Es gibt keinen Schreibtischordner, auf den es zurückgelegt werden kann.</translation>
        </message>
        <message>
            <source>Size:</source>
            <translation>Größe:</translation>
        </message>
        <message>
            <source>Where:</source>
            <translation>Ort:</translation>
        </message>
        <message>
            <source>Created:</source>
            <translation>Erstellt:</translation>
        </message>
        <message>
            <source>Modified:</source>
            <translation>Geändert:</translation>
        </message>
        <message>
            <source>Show in Folder</source>
            <translation>Im Ordner zeigen</translation>
        </message>
        <message>
            <source>All</source>
            <translation>Alle</translation>
        </message>
        <message>
            <source>Pictures</source>
            <translation>Bilder</translation>
        </message>
        <message>
            <source>Documents</source>
            <translation>Dokumente</translation>
        </message>
        <message>
            <source>Archives</source>
            <translation>Archive</translation>
        </message>
        <message>
            <source>Folders</source>
            <translation>Ordner</translation>
        </message>
        <message>
            <source>Other</source>
            <translation>Andere</translation>
        </message>
        <message>
            <source>All Content</source>
            <translation>Gesamter Inhalt</translation>
        </message>
        <message>
            <source>Videos</source>
            <translation>Videos</translation>
        </message>
        <message>
            <source>Audios</source>
            <translation>Audio</translation>
        </message>
        <message>
            <source>Search</source>
            <translation>Suchen</translation>
        </message>
        <message>
            <source>Tidy</source>
            <translation>Aufräumen</translation>
        </message>
        <message>
            <source>Refresh</source>
            <translation>Aktualisieren</translation>
        </message>
        <message>
            <source>The Desktop is tidy.</source>
            <translation>Der Schreibtisch ist aufgeräumt.</translation>
        </message>
        <message>
            <source>Left on the Desktop: %1</source>
            <translation>Auf dem Schreibtisch geblieben: %1</translation>
        </message>
        <message>
            <source>Choose where the tidied items go first.</source>
            <translation>Wählen Sie zuerst, wohin die aufgeräumten Objekte kommen.</translation>
        </message>
        <message>
            <source>Tidying the Desktop…</source>
            <translation>Schreibtisch wird aufgeräumt …</translation>
        </message>
        <message>
            <source>Copy</source>
            <translation>Kopieren</translation>
        </message>
        <message>
            <source>Put Back on the Desktop</source>
            <translation>Auf den Schreibtisch zurücklegen</translation>
        </message>
        <message>
            <source>Delete for Good</source>
            <translation>Endgültig löschen</translation>
        </message>
        <message>
            <source>Choose where the store folder goes</source>
            <translation>Wählen Sie, wo der Ablageordner liegen soll</translation>
        </message>
        <message>
            <source>Tidy Desktop Now</source>
            <translation>Schreibtisch jetzt aufräumen</translation>
        </message>
        <message>
            <source>‹ Back</source>
            <translation>‹ Zurück</translation>
        </message>
        <message>
            <source>No store folder chosen yet.</source>
            <translation>Noch kein Ablageordner gewählt.</translation>
        </message>
        <message>
            <source>&quot;%1&quot; can't be opened; refresh to see the store as it is now.</source>
            <translation>„%1“ kann nicht geöffnet werden; aktualisieren Sie, um die Ablage so zu sehen, wie sie jetzt ist.</translation>
        </message>
        <message>
            <source>That folder can't hold the store folder.</source>
            <translation>Dieser Ordner kann den Ablageordner nicht aufnehmen.</translation>
        </message>
        <message>
            <source>The store location could not be saved.</source>
            <translation>Der Ablageort konnte nicht gespeichert werden.</translation>
        </message>
        <message>
            <source>It is used until Corvane quits.</source>
            <translation>Er gilt, bis Corvane beendet wird.</translation>
        </message>
        <message>
            <source>Delete</source>
            <translation>Löschen</translation>
        </message>
        <message>
            <source>The Desktop folder &quot;%1&quot; is not an absolute path.</source>
            <translation>Der Schreibtischordner „%1“ ist kein absoluter Pfad.</translation>
        </message>
        <message>
            <source>The Desktop folder is set to &quot;%1&quot;, which holds your home folder; there is no Desktop folder to tidy.</source>
            <translation>Als Schreibtischordner ist „%1“ eingestellt, der Ihren persönlichen Ordner enthält; es gibt keinen Schreibtischordner zum Aufräumen.</translation>
        </message>
        <message>
            <source>The Desktop folder &quot;%1&quot; holds the Trash; it is not tidied.</source>
            <translation>Der Schreibtischordner „%1“ enthält den Papierkorb; er wird nicht aufgeräumt.</translation>
        </message>
        <message>
            <source>The store location &quot;%1&quot; is not an absolute path.</source>
            <translation>Der Ablageort „%1“ ist kein absoluter Pfad.</translation>
        </message>
        <message>
            <source>The store location can't be &quot;%1&quot;: choose a folder inside your home folder or on another disk.</source>
            <translation>Der Ablageort kann nicht „%1“ sein: Wählen Sie einen Ordner in Ihrem persönlichen Ordner oder auf einem anderen Datenträger.</translation>
        </message>
        <message>
            <source>The store location &quot;%1&quot; is inside the Desktop, which a tidy empties.</source>
            <translation>Der Ablageort „%1“ liegt auf dem Schreibtisch, den das Aufräumen leert.</translation>
        </message>
        <message>
            <source>The store location &quot;%1&quot; is inside the Trash.</source>
            <translation>Der Ablageort „%1“ liegt im Papierkorb.</translation>
        </message>
        <message>
            <source>The store location &quot;%1&quot; holds the Trash.</source>
            <translation>Der Ablageort „%1“ enthält den Papierkorb.</translation>
        </message>
        <message>
            <source>The store location &quot;%1&quot; holds the Desktop.</source>
            <translation>Der Ablageort „%1“ enthält den Schreibtisch.</translation>
        </message>
        <message>
            <source>Corvane will delete all items in the trash, are you sure you want to remove ?</source>
            <translation>Corvane wird alle Objekte im Papierkorb löschen. Möchten Sie sie wirklich entfernen?</translation>
        </message>
        <message>
            <source>The current user does not have permission to delete some items. Corvane need to change the permissions to remove them.</source>
            <translation>Der aktuelle Benutzer darf einige Objekte nicht löschen. Corvane muss die Zugriffsrechte ändern, um sie zu entfernen.</translation>
        </message>
        <message>
            <source>Some items were not erased as asked.</source>
            <translation>Einige Objekte wurden nicht wie gewünscht gelöscht.</translation>
        </message>
        <message>
            <source>Choose the file(s) or folder(s) to secure deletion.</source>
            <translation>Wählen Sie die Datei(en) oder Ordner zum sicheren Löschen.</translation>
        </message>
        <message>
            <source>Choose</source>
            <translation>Wählen</translation>
        </message>
        <message>
            <source>The erased items were removed, but their former contents may still be recoverable.</source>
            <translation>Die gelöschten Objekte wurden entfernt, ihr früherer Inhalt ist aber möglicherweise noch wiederherstellbar.</translation>
        </message>
        <message>
            <source>They were on %1, a file system that can write new data to new places instead of over the old, so overwriting them may not have reached what they held before.</source>
            <translation>Sie lagen auf %1, einem Dateisystem, das neue Daten an neue Stellen schreiben kann, statt die alten zu überschreiben; das Überschreiben hat ihren früheren Inhalt daher vielleicht nicht erreicht.</translation>
        </message>
        <message>
            <source>… and %1 more.</source>
            <translation>… und %1 weitere.</translation>
        </message>
        <message>
            <source>the settings file %1 could not be read and not be moved aside; settings are not saved</source>
            <translation>die Einstellungsdatei %1 konnte weder gelesen noch beiseitegelegt werden; Einstellungen werden nicht gespeichert</translation>
        </message>
        <message>
            <source>the settings file %1 could not be read; it was moved to %2</source>
            <translation>die Einstellungsdatei %1 konnte nicht gelesen werden; sie wurde nach %2 verschoben</translation>
        </message>
        <message>
            <source>the settings file %1 could not be read (%2); settings are not saved</source>
            <translation>die Einstellungsdatei %1 konnte nicht gelesen werden (%2); Einstellungen werden nicht gespeichert</translation>
        </message>
        <message>
            <source>not a file</source>
            <translation>keine Datei</translation>
        </message>
        <message>
            <source>Protection Rules</source>
            <translation>Schutzregeln</translation>
        </message>
        <message>
            <source>When Corvane empties the Trash by force, it keeps every item whose file format or original location matches a rule below, and lists the kept items afterwards so you can remove them or put them back.</source>
            <translation>Wenn Corvane den Papierkorb erzwungen leert, behält es jedes Objekt, dessen Dateiformat oder ursprünglicher Ort zu einer Regel unten passt, und listet die behaltenen Objekte danach auf, damit Sie sie entfernen oder zurücklegen können.</translation>
        </message>
        <message>
            <source>Choose a Folder to Protect</source>
            <translation>Zu schützenden Ordner wählen</translation>
        </message>
        <message>
            <source>File Formats</source>
            <translation>Dateiformate</translation>
        </message>
        <message>
            <source>Items with these extensions, such as psd or key.</source>
            <translation>Objekte mit diesen Endungen, etwa psd oder key.</translation>
        </message>
        <message>
            <source>+ Format</source>
            <translation>+ Format</translation>
        </message>
        <message>
            <source>− Format</source>
            <translation>− Format</translation>
        </message>
        <message>
            <source>Locations</source>
            <translation>Orte</translation>
        </message>
        <message>
            <source>Items deleted from these folders or below.</source>
            <translation>Objekte, die aus diesen Ordnern oder darunter gelöscht wurden.</translation>
        </message>
        <message>
            <source>+ Location</source>
            <translation>+ Ort</translation>
        </message>
        <message>
            <source>− Location</source>
            <translation>− Ort</translation>
        </message>
        <message>
            <source>Type a file name extension, such as psd.</source>
            <translation>Geben Sie eine Dateiendung ein, etwa psd.</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Abbrechen</translation>
        </message>
        <message>
            <source>Add</source>
            <translation>Hinzufügen</translation>
        </message>
        <message>
            <source>Add Protection File Format</source>
            <translation>Geschütztes Dateiformat hinzufügen</translation>
        </message>
        <message>
            <source>The protection rules could not be saved.</source>
            <translation>Die Schutzregeln konnten nicht gespeichert werden.</translation>
        </message>
        <message>
            <source>Corvane could not write its settings file, so the change holds only while Corvane runs.</source>
            <translation>Corvane konnte seine Einstellungsdatei nicht schreiben; die Änderung gilt nur, solange Corvane läuft.</translation>
        </message>
        <message>
            <source>Mark this item</source>
            <translation>Dieses Objekt markieren</translation>
        </message>
        <message>
            <source>Source Path: %1</source>
            <translation>Ursprungspfad: %1</translation>
        </message>
        <message>
            <source>Show</source>
            <translation>Zeigen</translation>
        </message>
        <message>
            <source>Show in the file manager</source>
            <translation>Im Dateimanager zeigen</translation>
        </message>
        <message>
            <source>Protected Items</source>
            <translation>Geschützte Objekte</translation>
        </message>
        <message>
            <source>These items match your protection rules and were kept in the Trash. Mark the ones to remove for good or to put back where they came from.</source>
            <translation>Diese Objekte passen zu Ihren Schutzregeln und wurden im Papierkorb behalten. Markieren Sie die, die endgültig entfernt oder an ihren Ursprungsort zurückgelegt werden sollen.</translation>
        </message>
        <message>
            <source>Select All</source>
            <translation>Alle auswählen</translation>
        </message>
        <message>
            <source>No protected items are listed.</source>
            <translation>Keine geschützten Objekte aufgelistet.</translation>
        </message>
        <message>
            <source>Delete Immediately</source>
            <translation>Sofort löschen</translation>
        </message>
        <message>
            <source>Put Back</source>
            <translation>Zurücklegen</translation>
        </message>
        <message>
            <source>Some items were not put back.</source>
            <translation>Einige Objekte wurden nicht zurückgelegt.</translation>
        </message>
        <message>
            <source>Putting back</source>
            <translation>Zurücklegen</translation>
        </message>
        <message>
            <source>PKEXEC_UID &quot;%1&quot; is not a user id; nothing was changed.</source>
            <translation>PKEXEC_UID „%1“ ist keine Benutzerkennung; nichts wurde geändert.</translation>
        </message>
        <message>
            <source>PKEXEC_UID %1 names no user of this system; nothing was changed.</source>
            <translation>PKEXEC_UID %1 bezeichnet keinen Benutzer dieses Systems; nichts wurde geändert.</translation>
        </message>
        <message>
            <source>&quot;%1&quot; is not an item of your Trash; it was left alone.</source>
            <translation>„%1“ ist kein Objekt Ihres Papierkorbs; es wurde unverändert gelassen.</translation>
        </message>
        <message>
            <source>Corvane failed to change the permissions because of System Integrity Protection module.</source>
            <translation>Corvane konnte die Zugriffsrechte wegen des Systemintegritätsschutzes nicht ändern.</translation>
        </message>
        <message>
            <source> Ok </source>
            <translation> OK </translation>
        </message>
        <message>
            <source>You need to disable system Integrity Protection module on macOS, </source>
            <translation>Sie müssen den Systemintegritätsschutz unter macOS deaktivieren, </translation>
        </message>
        <message>
            <source>Show in File Manager</source>
            <translation>Im Dateimanager zeigen</translation>
        </message>
        <message>
            <source>Trash Storage - - %1</source>
            <translation>Papierkorbspeicher - - %1</translation>
        </message>
        <message>
            <source>Inside a folder of the Trash</source>
            <translation>In einem Ordner des Papierkorbs</translation>
        </message>
        <message>
            <source>Everything in your Trash</source>
            <translation>Alles in Ihrem Papierkorb</translation>
        </message>
        <message>
            <source>1 item in the Trash.</source>
            <translation>1 Objekt im Papierkorb.</translation>
        </message>
        <message>
            <source>%1 items in the Trash.</source>
            <translation>%1 Objekte im Papierkorb.</translation>
        </message>
        <message>
            <source>Measuring every folder of the Trash…</source>
            <translation>Jeder Ordner des Papierkorbs wird gemessen …</translation>
        </message>
        <message>
            <source>Securely Delete</source>
            <translation>Sicher löschen</translation>
        </message>
        <message>
            <source>Securely deleting</source>
            <translation>Sicheres Löschen</translation>
        </message>
        <message>
            <source>its folder can't be opened</source>
            <translation>sein Ordner kann nicht geöffnet werden</translation>
        </message>
        <message>
            <source>&quot;%1&quot; to %2</source>
            <translation>„%1“ nach %2</translation>
        </message>
        <message>
            <source>Put back outside the volume?</source>
            <translation>Außerhalb des Volumes zurücklegen?</translation>
        </message>
        <message>
            <source> Put Back </source>
            <translation> Zurücklegen </translation>
        </message>
        <message>
            <source> Keep in Trash </source>
            <translation> Im Papierkorb lassen </translation>
        </message>
        <message>
            <source>These items are in the Trash of a volume, but their records name places outside that volume. A record on a volume can be written by anyone who had the volume, so put them back only if you expect these places:</source>
            <translation>Diese Objekte liegen im Papierkorb eines Volumes, ihre Einträge nennen aber Orte außerhalb dieses Volumes. Jeder, der das Volume in der Hand hatte, kann diese Einträge geschrieben haben; legen Sie sie nur zurück, wenn Sie diese Orte erwarten:</translation>
        </message>
        <message>
            <source>&quot;%1&quot;: something is already at %2.</source>
            <translation>„%1“: An %2 liegt bereits etwas.</translation>
        </message>
        <message>
            <source>&quot;%1&quot;: it could not be moved to %2.</source>
            <translation>„%1“: konnte nicht nach %2 verschoben werden.</translation>
        </message>
        <message>
            <source>&quot;%1&quot;: where it came from is not known.</source>
            <translation>„%1“: Woher es kam, ist nicht bekannt.</translation>
        </message>
        <message>
            <source>&quot;%1&quot;: %2 lies outside the volume whose Trash holds it.</source>
            <translation>„%1“: %2 liegt außerhalb des Volumes, in dessen Papierkorb es liegt.</translation>
        </message>
        <message>
            <source>&quot;%1&quot; is not in a Trash folder of yours; Corvane leaves it alone.</source>
            <translation>„%1“ liegt in keinem Ihrer Papierkorbordner; Corvane lässt es unberührt.</translation>
        </message>
        <message>
            <source>Size</source>
            <translation>Größe</translation>
        </message>
        <message>
            <source>Permissions</source>
            <translation>Zugriffsrechte</translation>
        </message>
        <message>
            <source>Original Location</source>
            <translation>Ursprünglicher Ort</translation>
        </message>
        <message>
            <source>Date Modified</source>
            <translation>Änderungsdatum</translation>
        </message>
        <message>
            <source>Check Trash</source>
            <translation>Papierkorb prüfen</translation>
        </message>
        <message>
            <source>Items</source>
            <translation>Objekte</translation>
        </message>
        <message>
            <source>The whole content of your Trash, folder by folder.</source>
            <translation>Der gesamte Inhalt Ihres Papierkorbs, Ordner für Ordner.</translation>
        </message>
        <message>
            <source>Build Tree</source>
            <translation>Baum aufbauen</translation>
        </message>
        <message>
            <source>Tree</source>
            <translation>Baum</translation>
        </message>
        <message>
            <source>Software Update</source>
            <translation>Softwareaktualisierung</translation>
        </message>
        <message>
            <source>You're up to date!</source>
            <translation>Sie sind auf dem neuesten Stand!</translation>
        </message>
        <message>
            <source>Corvane %1 is the newest version available.</source>
            <translation>Corvane %1 ist die neueste verfügbare Version.</translation>
        </message>
        <message>
            <source>no answer within %1 s</source>
            <translation>keine Antwort innerhalb von %1 s</translation>
        </message>
        <message>
            <source>redirected to an address that is not used (https://, or http:// to this machine)</source>
            <translation>an eine Adresse umgeleitet, die nicht verwendet wird (https:// oder http:// zu diesem Rechner)</translation>
        </message>
        <message>
            <source>the answer is larger than %1 bytes</source>
            <translation>die Antwort ist größer als %1 Bytes</translation>
        </message>
        <message>
            <source>the server answered with HTTP status %1</source>
            <translation>der Server antwortete mit HTTP-Status %1</translation>
        </message>
        <message>
            <source>the answer is not a version document</source>
            <translation>die Antwort ist kein Versionsdokument</translation>
        </message>
        <message>
            <source>the version document has no &quot;lastestVersion&quot;</source>
            <translation>das Versionsdokument hat kein „lastestVersion“</translation>
        </message>
        <message>
            <source>Corvane %1 is available.</source>
            <translation>Corvane %1 ist verfügbar.</translation>
        </message>
        <message>
            <source>You are using %1 version. Would you like to download it now?</source>
            <translation>Sie verwenden Version %1. Möchten Sie die neue jetzt herunterladen?</translation>
        </message>
        <message>
            <source>the update address &quot;%1&quot; is not used: it must be https://, or http:// to this machine only</source>
            <translation>die Update-Adresse „%1“ wird nicht verwendet: Sie muss https:// sein oder http:// nur zu diesem Rechner</translation>
        </message>
        <message>
            <source>What's new:</source>
            <translation>Neuigkeiten:</translation>
        </message>
        <message>
            <source>Not Now</source>
            <translation>Nicht jetzt</translation>
        </message>
        <message>
            <source>Download</source>
            <translation>Herunterladen</translation>
        </message>
        <message>
            <source>Open File</source>
            <translation>Öffnen</translation>
        </message>
        <message>
            <source>New</source>
            <translation>Neu</translation>
        </message>
        <message>
            <source>System</source>
            <translation>System</translation>
        </message>
        <message>
            <source>Web</source>
            <translation>Web</translation>
        </message>
        <message>
            <source>Choose Folder</source>
            <translation>Ordner wählen</translation>
        </message>
        <message>
            <source>Pics</source>
            <translation>Bilder</translation>
        </message>
        <message>
            <source>Docs</source>
            <translation>Doks</translation>
        </message>
        <message>
            <source>Zips</source>
            <translation>Archiv</translation>
        </message>
        <message>
            <source>Dirs</source>
            <translation>Ordner</translation>
        </message>
        <message>
            <source>Misc</source>
            <translation>Andere</translation>
        </message>
        <message>
            <source>%1 — stopping after the current item…</source>
            <translation>%1 — wird nach dem aktuellen Objekt angehalten …</translation>
        </message>
        <message>
            <source>%1 — %2 of %3 items done</source>
            <translation>%1 — %2 von %3 Objekten erledigt</translation>
        </message>
        <message>
            <source>%1 — %2 items done</source>
            <translation>%1 — %2 Objekte erledigt</translation>
        </message>
        <message>
            <source>%1 of %2 items</source>
            <translation>%1 von %2 Objekten</translation>
        </message>
        <message>
            <source>%1 items</source>
            <translation>%1 Objekte</translation>
        </message>
        <message>
            <source>1 file</source>
            <translation>1 Datei</translation>
        </message>
        <message>
            <source>%1 files</source>
            <translation>%1 Dateien</translation>
        </message>
        <message>
            <source>%1 of %2</source>
            <translation>%1 von %2</translation>
        </message>
        <message>
            <source>&quot;%1&quot; is a Trash folder, lies in one or holds one; Corvane does not trash it</source>
            <translation>„%1“ ist ein Papierkorb, liegt in einem oder enthält einen; Corvane verschiebt es nicht in den Papierkorb</translation>
        </message>
        <message>
            <source>&quot;%1&quot; is not there</source>
            <translation>„%1“ ist nicht vorhanden</translation>
        </message>
        <message>
            <source>&quot;%1&quot;: skipped, something is already at %2.</source>
            <translation>„%1“: übersprungen, an %2 liegt bereits etwas.</translation>
        </message>
        <message>
            <source>%1 belongs to someone else</source>
            <translation>%1 gehört jemand anderem</translation>
        </message>
        <message>
            <source>%1 is no longer there</source>
            <translation>%1 ist nicht mehr vorhanden</translation>
        </message>
        <message>
            <source>%1 is not in a Trash</source>
            <translation>%1 liegt in keinem Papierkorb</translation>
        </message>
        <message>
            <source>%1: copied to the Trash, but part of it could not be removed (%2)</source>
            <translation>%1: in den Papierkorb kopiert, aber ein Teil konnte nicht entfernt werden (%2)</translation>
        </message>
        <message>
            <source>%1: not moved to the Trash (%2)</source>
            <translation>%1: nicht in den Papierkorb verschoben (%2)</translation>
        </message>
        <message>
            <source>(--keep-both, --replace or --skip choose what happens)</source>
            <translation>(--keep-both, --replace oder --skip legen fest, was geschieht)</translation>
        </message>
        <message>
            <source>choose one of --keep-both, --replace and --skip</source>
            <translation>wählen Sie nur eine der Optionen --keep-both, --replace und --skip</translation>
        </message>
        <message>
            <source>every name for it is taken in %1</source>
            <translation>alle möglichen Namen sind in %1 vergeben</translation>
        </message>
        <message>
            <source>it is no longer in the Trash</source>
            <translation>es liegt nicht mehr im Papierkorb</translation>
        </message>
        <message>
            <source>its folder %1 can&apos;t be made</source>
            <translation>sein Ordner %1 kann nicht angelegt werden</translation>
        </message>
        <message>
            <source>its record can&apos;t be written in %1 (%2)</source>
            <translation>sein Eintrag kann nicht in %1 geschrieben werden (%2)</translation>
        </message>
        <message>
            <source>moving into the Trash needs the freedesktop layout</source>
            <translation>das Verschieben in den Papierkorb erfordert das freedesktop-Layout</translation>
        </message>
        <message>
            <source>no Trash can be used on the disk that holds it (%1); it can be copied to the home Trash instead</source>
            <translation>auf dem Datenträger, der es enthält, ist kein Papierkorb nutzbar (%1); es kann stattdessen in den Papierkorb des persönlichen Ordners kopiert werden</translation>
        </message>
        <message>
            <source>not undone</source>
            <translation>nicht rückgängig gemacht</translation>
        </message>
        <message>
            <source>something is already at %1</source>
            <translation>an %1 liegt bereits etwas</translation>
        </message>
        <message>
            <source>the Trash folder %1 can&apos;t be made (%2)</source>
            <translation>der Papierkorbordner %1 kann nicht angelegt werden (%2)</translation>
        </message>
        <message>
            <source>the Trash folder %1 can&apos;t be used (%2)</source>
            <translation>der Papierkorbordner %1 ist nicht nutzbar (%2)</translation>
        </message>
        <message>
            <source>there is nothing to undo</source>
            <translation>es gibt nichts rückgängig zu machen</translation>
        </message>
        <message>
            <source>trash needs one of: list, tree, putback-paths, put, empty, delete, shred, putback, undo</source>
            <translation>trash erwartet eines von: list, tree, putback-paths, put, empty, delete, shred, putback, undo</translation>
        </message>
        <message>
            <source>trash put needs at least one path</source>
            <translation>trash put braucht mindestens einen Pfad</translation>
        </message>
        <message>
            <source>trash undo takes no arguments</source>
            <translation>trash undo nimmt keine Argumente</translation>
        </message>
        <message>
            <source>what was put back can&apos;t be recorded for an undo</source>
            <translation>was zurückgelegt wurde, kann nicht für ein Rückgängigmachen gespeichert werden</translation>
        </message>
        <message>
            <source>what was trashed can&apos;t be recorded for an undo</source>
            <translation>was in den Papierkorb verschoben wurde, kann nicht für ein Rückgängigmachen gespeichert werden</translation>
            <source>Deleted</source>
            <translation>Gelöscht am</translation>
        </message>
        <message>
            <source>Filter</source>
            <translation>Filtern</translation>
        </message>
        <message>
            <source>Undo</source>
            <translation>Widerrufen</translation>
        </message>
        <message>
            <source>Undoing</source>
            <translation>Wird widerrufen</translation>
        </message>
        <message>
            <source>Keep Both</source>
            <translation>Beide behalten</translation>
        </message>
        <message>
            <source>Replace</source>
            <translation>Ersetzen</translation>
        </message>
        <message>
            <source>Skip</source>
            <translation>Überspringen</translation>
        </message>
        <message>
            <source>Apply to All (1 more item)</source>
            <translation>Für alle übernehmen (1 weiteres Objekt)</translation>
        </message>
        <message>
            <source>Apply to All (%1 more items)</source>
            <translation>Für alle übernehmen (%1 weitere Objekte)</translation>
        </message>
        <message>
            <source>Something is already at the place of &quot;%1&quot;.</source>
            <translation>Am Ort von „%1“ liegt bereits etwas.</translation>
        </message>
        <message>
            <source>%1 is taken. Keep both items (the one put back gets a new name), replace what is there (it goes to the Trash), or leave this item in the Trash?</source>
            <translation>%1 ist belegt. Beide Objekte behalten (das zurückgelegte erhält einen neuen Namen), das Vorhandene ersetzen (es kommt in den Papierkorb) oder dieses Objekt im Papierkorb lassen?</translation>
        </message>
        <message>
            <source>This put back can&apos;t be undone.</source>
            <translation>Dieses Zurücklegen kann nicht widerrufen werden.</translation>
        </message>
        <message>
            <source>Corvane could not write down what it moved.</source>
            <translation>Corvane konnte nicht festhalten, was es verschoben hat.</translation>
        </message>
        <message>
            <source>Some moves could not be undone.</source>
            <translation>Einige Verschiebungen konnten nicht widerrufen werden.</translation>
        </message>
        <message>
            <source>&quot;%1&quot;: %2</source>
            <translation>„%1“: %2</translation>
        </message>
        <message>
            <source>Move to Trash</source>
            <translation>In den Papierkorb legen</translation>
        </message>
        <message>
            <source>Copy to the home Trash?</source>
            <translation>In den Papierkorb des persönlichen Ordners kopieren?</translation>
        </message>
        <message>
            <source> Copy </source>
            <translation> Kopieren </translation>
        </message>
        <message>
            <source>The volume holding &quot;%1&quot; has no Trash. It can be copied to your home Trash and removed here.</source>
            <translation>Das Volume mit „%1“ hat keinen Papierkorb. Es kann in den Papierkorb Ihres persönlichen Ordners kopiert und hier entfernt werden.</translation>
        </message>
        <message>
            <source>&quot;%1&quot; was not moved to the Trash.</source>
            <translation>„%1“ wurde nicht in den Papierkorb gelegt.</translation>
        </message>
        <message>
            <source>it is not in the store folder</source>
            <translation>es liegt nicht im Ablageordner</translation>
            <source> GB free</source>
            <translation> GB frei</translation>
        </message>
        <message>
            <source>Free space to keep on the disk of the Trash</source>
            <translation>Freier Speicher, der auf dem Volume des Papierkorbs bleiben soll</translation>
        </message>
        <message>
            <source> days ago</source>
            <translation> Tagen</translation>
        </message>
        <message>
            <source>Remove items deleted more than this many days ago</source>
            <translation>Objekte entfernen, die vor mehr als so vielen Tagen gelöscht wurden</translation>
        </message>
        <message>
            <source>% of disk</source>
            <translation>% des Volumes</translation>
        </message>
        <message>
            <source>Largest share of the disk the Trash may take</source>
            <translation>Größter Anteil des Volumes, den der Papierkorb belegen darf</translation>
        </message>
        <message>
            <source>%1 takes %2 from 1 to %3, or off</source>
            <translation>%1 erwartet %2 von 1 bis %3 oder off</translation>
        </message>
        <message>
            <source>%1: %2 needs a value</source>
            <translation>%1: %2 braucht einen Wert</translation>
        </message>
        <message>
            <source>--older-than takes a number of days from 0 to %1</source>
            <translation>--older-than erwartet eine Anzahl Tage von 0 bis %1</translation>
        </message>
        <message>
            <source>Deleted more than</source>
            <translation>Gelöscht vor mehr als</translation>
        </message>
        <message>
            <source>Keep at least</source>
            <translation>Mindestens</translation>
        </message>
        <message>
            <source>Remove %1 items from the Trash for good?</source>
            <translation>%1 Objekte endgültig aus dem Papierkorb entfernen?</translation>
        </message>
        <message>
            <source>The oldest deletions go first; protected items always stay.</source>
            <translation>Die ältesten Löschungen gehen zuerst; geschützte Objekte bleiben immer.</translation>
        </message>
        <message>
            <source>They were deleted longer ago than the auto-clean rules keep items.</source>
            <translation>Sie wurden früher gelöscht, als die Regeln der automatischen Bereinigung Objekte aufbewahren.</translation>
        </message>
        <message>
            <source>Trash larger than</source>
            <translation>Papierkorb größer als</translation>
        </message>
        <message>
            <source>could not delete the timer&apos;s files in %1</source>
            <translation>die Dateien des Timers in %1 konnten nicht gelöscht werden</translation>
        </message>
        <message>
            <source>could not write the timer&apos;s files in %1</source>
            <translation>die Dateien des Timers in %1 konnten nicht geschrieben werden</translation>
        </message>
        <message>
            <source>less than %1 GB stays free even without the Trash&apos;s old items</source>
            <translation>auch ohne die alten Objekte des Papierkorbs bleiben weniger als %1 GB frei</translation>
        </message>
        <message>
            <source>no auto-clean timer is installed</source>
            <translation>kein Timer für die automatische Bereinigung ist installiert</translation>
        </message>
        <message>
            <source>nothing removed</source>
            <translation>nichts entfernt</translation>
        </message>
        <message>
            <source>the Trash stays above %1% of its disk: what is left is protected, undated or on another disk</source>
            <translation>der Papierkorb bleibt über %1 % seines Volumes: der Rest ist geschützt, ohne Datum oder auf einem anderen Volume</translation>
        </message>
        <message>
            <source>the daily auto-clean timer is installed and enabled: %1</source>
            <translation>der tägliche Timer der automatischen Bereinigung ist installiert und aktiviert: %1</translation>
        </message>
        <message>
            <source>the daily auto-clean timer is removed</source>
            <translation>der tägliche Timer der automatischen Bereinigung ist entfernt</translation>
        </message>
        <message>
            <source>the disk of the Trash could not be measured; the size and free-space rules were not applied</source>
            <translation>das Volume des Papierkorbs konnte nicht gemessen werden; die Regeln für Größe und freien Speicher wurden nicht angewandt</translation>
        </message>
        <message>
            <source>the program&apos;s path can&apos;t be written in a unit file: %1</source>
            <translation>der Pfad des Programms kann nicht in eine Unit-Datei geschrieben werden: %1</translation>
        </message>
        <message>
            <source>the timer&apos;s files are deleted, but systemctl could not be reached; run: systemctl --user daemon-reload</source>
            <translation>die Dateien des Timers sind gelöscht, aber systemctl war nicht erreichbar; führen Sie aus: systemctl --user daemon-reload</translation>
        </message>
        <message>
            <source>the timer&apos;s files are written, but systemctl could not enable it; run: systemctl --user daemon-reload &amp;&amp; systemctl --user enable --now %1</source>
            <translation>die Dateien des Timers sind geschrieben, aber systemctl konnte ihn nicht aktivieren; führen Sie aus: systemctl --user daemon-reload &amp;&amp; systemctl --user enable --now %1</translation>
        </message>
        <message>
            <source>a number of days</source>
            <translation>eine Anzahl Tage</translation>
        </message>
        <message>
            <source>a percentage</source>
            <translation>einen Prozentsatz</translation>
        </message>
        <message>
            <source>a number of GB</source>
            <translation>eine Anzahl GB</translation>
        </message>
        <message>
            <source>the keep-list is empty: nothing would be spared</source>
            <translation>die Liste der behaltenen Websites ist leer: nichts würde verschont</translation>
        </message>
        <message>
            <source>(--force removes them anyway)</source>
            <translation>(--force entfernt sie trotzdem)</translation>
        </message>
        <message>
            <source>cookies keep needs add HOST, remove HOST or list</source>
            <translation>cookies keep erwartet add HOST, remove HOST oder list</translation>
        </message>
        <message>
            <source>&quot;%1&quot; is not a host name</source>
            <translation>„%1“ ist kein Hostname</translation>
        </message>
        <message>
            <source>%1 partitioned cookie(s) left out: cookies.txt has no place for the partition</source>
            <translation>%1 partitionierte(s) Cookie(s) ausgelassen: cookies.txt hat keinen Platz für die Partition</translation>
        </message>
        <message>
            <source>cookies export: --json and --netscape exclude each other</source>
            <translation>cookies export: --json und --netscape schließen einander aus</translation>
        </message>
        <message>
            <source>cookies needs list, export, remove or keep</source>
            <translation>cookies erwartet list, export, remove oder keep</translation>
        </message>
        <message>
            <source>None of the %1 cookies could be decrypted (their key is not available); nothing was exported.</source>
            <translation>Keines der %1 Cookies konnte entschlüsselt werden (ihr Schlüssel ist nicht verfügbar); es wurde nichts exportiert.</translation>
        </message>
        <message>
            <source>The keep-list could not be saved.</source>
            <translation>Die Liste der behaltenen Websites konnte nicht gespeichert werden.</translation>
        </message>
        <message>
            <source>The settings file could not be written.</source>
            <translation>Die Einstellungsdatei konnte nicht geschrieben werden.</translation>
        </message>
        <message>
            <source>Close the browser first to be sure they are gone.</source>
            <translation>Schließen Sie zuerst den Browser, damit sie sicher entfernt sind.</translation>
        </message>
        <message>
            <source>Nothing was removed.</source>
            <translation>Es wurde nichts entfernt.</translation>
        </message>
        <message>
            <source>Every cookie chosen belongs to a kept site.</source>
            <translation>Jedes gewählte Cookie gehört zu einer behaltenen Website.</translation>
        </message>
        <message>
            <source>%1 of them are partitioned (kept for one top-level site), which cookies.txt can't say.</source>
            <translation>%1 davon sind partitioniert (für eine einzige Website oberster Ebene gespeichert), was cookies.txt nicht ausdrücken kann.</translation>
        </message>
        <message>
            <source>Kept</source>
            <translation>Behalten</translation>
        </message>
        <message>
            <source>By Site</source>
            <translation>Nach Website</translation>
        </message>
        <message>
            <source>All sites</source>
            <translation>Alle Websites</translation>
        </message>
        <message>
            <source>Kept sites</source>
            <translation>Behaltene Websites</translation>
        </message>
        <message>
            <source>Sites not kept</source>
            <translation>Nicht behaltene Websites</translation>
        </message>
        <message>
            <source>Select All of This Site</source>
            <translation>Alles dieser Website auswählen</translation>
        </message>
        <message>
            <source>Keep Site</source>
            <translation>Website behalten</translation>
        </message>
        <message>
            <source>Export as JSON</source>
            <translation>Als JSON exportieren</translation>
        </message>
        <message>
            <source>Remove Selected</source>
            <translation>Auswahl entfernen</translation>
        </message>
        <message>
            <source>Don't Keep Site</source>
            <translation>Website nicht mehr behalten</translation>
        </message>
        <message>
            <source>Remove %1 Selected</source>
            <translation>%1 ausgewählte entfernen</translation>
        </message>
        <message>
            <source>%1 is running. A running browser keeps its cookies in memory and writes them back, so the removed cookies would come back: close it first.</source>
            <translation>%1 läuft. Ein laufender Browser hält seine Cookies im Speicher und schreibt sie zurück, sodass die entfernten Cookies wiederkämen: Schließen Sie ihn zuerst.</translation>
        </message>
        <message>
            <source>(no host)</source>
            <translation>(kein Host)</translation>
        </message>
        <message>
            <source>%1 on %2</source>
            <translation>%1 auf %2</translation>
        </message>
        <message>
            <source>Site</source>
            <translation>Website</translation>
        </message>
        <message>
            <source>Latest expiry</source>
            <translation>Späteste Ablaufzeit</translation>
        </message>
        <message>
            <source>Remove %1 cookie(s) of %2 site(s)?</source>
            <translation>%1 Cookie(s) von %2 Website(s) entfernen?</translation>
        </message>
        <message>
            <source>%1 cookie(s) of kept sites stay.</source>
            <translation>%1 Cookie(s) behaltener Websites bleiben.</translation>
        </message>
        <message>
            <source>Not text: bytes that are not UTF-8 are shown as \xNN, a backslash as \\.</source>
            <translation>Kein Text: Bytes, die kein UTF-8 sind, werden als \xNN gezeigt, ein Backslash als \\.</translation>
        </message>
        <message>
            <source>Sent only when the page's top-level site is %1.</source>
            <translation>Nur gesendet, wenn die Website oberster Ebene der Seite %1 ist.</translation>
        </message>
        <message>
            <source>SameSite</source>
            <translation>SameSite</translation>
        </message>
        <message>
            <source>Partition</source>
            <translation>Partition</translation>
        </message>
    </context>
</TS>
