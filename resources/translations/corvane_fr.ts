<?xml version="1.0" encoding="UTF-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
    <context>
        <name>Corvane</name>
        <message>
            <source>About Corvane</source>
            <translation>À propos de Corvane</translation>
        </message>
        <message>
            <source>Version %1</source>
            <translation>Version %1</translation>
        </message>
        <message>
            <source>The Trash and clutter utility: browse, empty, protect and erase, and keep the Desktop tidy.</source>
            <translation>L’utilitaire de la Corbeille et du rangement : parcourir, vider, protéger et effacer, et garder le Bureau en ordre.</translation>
        </message>
        <message>
            <source>© 2026 The Corvane developers</source>
            <translation>© 2026 Les développeurs de Corvane</translation>
        </message>
        <message>
            <source>Last cleaned %1</source>
            <translation>Dernier nettoyage %1</translation>
        </message>
        <message>
            <source>Last cleaned %1, %2</source>
            <translation>Dernier nettoyage %1, %2</translation>
        </message>
        <message>
            <source>Trash</source>
            <translation>Corbeille</translation>
        </message>
        <message>
            <source>Everything in your Trash and on your volumes: sizes, rights, dates and where each item came from. Walk into folders, open or reveal items.</source>
            <translation>Tout ce que contient votre Corbeille et vos volumes : tailles, droits, dates et provenance de chaque élément. Entrez dans les dossiers, ouvrez ou affichez les éléments.</translation>
        </message>
        <message>
            <source>Empty Trash</source>
            <translation>Vider la Corbeille</translation>
        </message>
        <message>
            <source>Auto Clean</source>
            <translation>Nettoyage automatique</translation>
        </message>
        <message>
            <source>Empty the Trash by itself when it grows past a size or a chosen period has passed.</source>
            <translation>Vider la Corbeille d’elle-même lorsqu’elle dépasse une taille ou qu’une période choisie est écoulée.</translation>
        </message>
        <message>
            <source>Protection</source>
            <translation>Protection</translation>
        </message>
        <message>
            <source>Rules that keep kinds of files, and items from chosen folders, in the Trash when it is emptied.</source>
            <translation>Des règles qui gardent certains types de fichiers, et les éléments de dossiers choisis, dans la Corbeille lorsqu’elle est vidée.</translation>
        </message>
        <message>
            <source>Desktop Tidy</source>
            <translation>Rangement du Bureau</translation>
        </message>
        <message>
            <source>Sweep the Desktop into one store folder, then browse it by kind, preview, put items back or delete them.</source>
            <translation>Rassembler le Bureau dans un dossier de rangement, puis le parcourir par type, prévisualiser, remettre les éléments en place ou les supprimer.</translation>
        </message>
        <message>
            <source>Secure Erase</source>
            <translation>Effacement sécurisé</translation>
        </message>
        <message>
            <source>Overwrite files and folders before removing them, so they can't be recovered. You can also drop files on any Corvane window.</source>
            <translation>Écraser les fichiers et dossiers avant de les supprimer, afin qu’ils ne puissent pas être récupérés. Vous pouvez aussi déposer des fichiers sur n’importe quelle fenêtre de Corvane.</translation>
        </message>
        <message>
            <source>Cookies</source>
            <translation>Cookies</translation>
        </message>
        <message>
            <source>The cookies your browsers keep: see them, export them as text or as cookies.txt, and remove them.</source>
            <translation>Les cookies que gardent vos navigateurs : les consulter, les exporter en texte ou en cookies.txt, et les supprimer.</translation>
        </message>
        <message>
            <source>Open a cookie file</source>
            <translation>Ouvrir un fichier de cookies</translation>
        </message>
        <message>
            <source>Erasing the chosen items…</source>
            <translation>Effacement des éléments choisis…</translation>
        </message>
        <message>
            <source>Erasing</source>
            <translation>Effacement</translation>
        </message>
        <message>
            <source>Emptying the Trash…</source>
            <translation>Vidage de la Corbeille…</translation>
        </message>
        <message>
            <source>Removing</source>
            <translation>Suppression</translation>
        </message>
        <message>
            <source>Trash Items…</source>
            <translation>Éléments de la Corbeille…</translation>
        </message>
        <message>
            <source>Secure Erase…</source>
            <translation>Effacement sécurisé…</translation>
        </message>
        <message>
            <source>Protection Rules…</source>
            <translation>Règles de protection…</translation>
        </message>
        <message>
            <source>Auto Clean…</source>
            <translation>Nettoyage automatique…</translation>
        </message>
        <message>
            <source>Help</source>
            <translation>Aide</translation>
        </message>
        <message>
            <source>Corvane Help</source>
            <translation>Aide de Corvane</translation>
        </message>
        <message>
            <source>Check for Updates…</source>
            <translation>Rechercher des mises à jour…</translation>
        </message>
        <message>
            <source>Corvane is still running</source>
            <translation>Corvane est toujours en cours d’exécution</translation>
        </message>
        <message>
            <source>Open Corvane from the application menu to bring its window back.</source>
            <translation>Ouvrez Corvane depuis le menu des applications pour retrouver sa fenêtre.</translation>
        </message>
        <message>
            <source>Open Corvane</source>
            <translation>Ouvrir Corvane</translation>
        </message>
        <message>
            <source>Allow Access</source>
            <translation>Autoriser l’accès</translation>
        </message>
        <message>
            <source>Allow Corvane into your folders</source>
            <translation>Autoriser Corvane à accéder à vos dossiers</translation>
        </message>
        <message>
            <source>Choose the folder Corvane may work in (your Trash or your home folder). The browser cookie sources are read once a folder is granted.</source>
            <translation>Choisissez le dossier dans lequel Corvane peut travailler (votre Corbeille ou votre dossier personnel). Les cookies des navigateurs sont lus une fois un dossier autorisé.</translation>
        </message>
        <message>
            <source>Where should your Desktop's items go?</source>
            <translation>Où ranger les éléments de votre Bureau ?</translation>
        </message>
        <message>
            <source>Tidying moves the items on your Desktop into a folder named com.Nordquil.ploverly. Choose the folder that holds it: not the Desktop itself, nor your home folder.</source>
            <translation>Le rangement déplace les éléments de votre Bureau dans un dossier nommé com.Nordquil.ploverly. Choisissez le dossier qui le contiendra : ni le Bureau lui-même, ni votre dossier personnel.</translation>
        </message>
        <message>
            <source>Choose Folder…</source>
            <translation>Choisir un dossier…</translation>
        </message>
        <message>
            <source>Tidy Now</source>
            <translation>Ranger maintenant</translation>
        </message>
        <message>
            <source>Corvane needs access to your Trash</source>
            <translation>Corvane a besoin d’accéder à votre Corbeille</translation>
        </message>
        <message>
            <source>Corvane could not read the records of your Trash. Allow Corvane full access to your disk in the system's privacy settings, then open Corvane again so that it can list where your items came from.</source>
            <translation>Corvane n’a pas pu lire les informations de votre Corbeille. Accordez à Corvane l’accès complet à votre disque dans les réglages de confidentialité du système, puis rouvrez Corvane pour qu’il puisse indiquer la provenance de vos éléments.</translation>
        </message>
        <message>
            <source>OK</source>
            <translation>OK</translation>
        </message>
        <message>
            <source>Welcome to Corvane</source>
            <translation>Bienvenue dans Corvane</translation>
        </message>
        <message>
            <source>Your Trash, all of it</source>
            <translation>Toute votre Corbeille</translation>
        </message>
        <message>
            <source>See every item in the Trash and on your volumes, where it came from, and put it back or remove it for good.</source>
            <translation>Voyez chaque élément de la Corbeille et de vos volumes, sa provenance, et remettez-le en place ou supprimez-le définitivement.</translation>
        </message>
        <message>
            <source>Cleans itself</source>
            <translation>Se nettoie toute seule</translation>
        </message>
        <message>
            <source>Empty the Trash on a schedule or when it grows too large.</source>
            <translation>Videz la Corbeille selon un calendrier ou lorsqu’elle devient trop grande.</translation>
        </message>
        <message>
            <source>Protects what matters</source>
            <translation>Protège l’essentiel</translation>
        </message>
        <message>
            <source>Rules keep chosen kinds of files and folders from being emptied.</source>
            <translation>Des règles empêchent certains types de fichiers et dossiers d’être vidés.</translation>
        </message>
        <message>
            <source>Always in reach</source>
            <translation>Toujours à portée de main</translation>
        </message>
        <message>
            <source>Corvane lives in the panel: click its icon for the quick view, right-click it for the menu.</source>
            <translation>Corvane se trouve dans le tableau de bord : cliquez sur son icône pour l’aperçu rapide, faites un clic droit pour le menu.</translation>
        </message>
        <message>
            <source>Got it</source>
            <translation>Compris</translation>
        </message>
        <message>
            <source>Corvane keeps your Trash, your Desktop and your browsers tidy. Pick a section on the left, or use the Corvane icon in the panel.</source>
            <translation>Corvane garde en ordre votre Corbeille, votre Bureau et vos navigateurs. Choisissez une section à gauche, ou utilisez l’icône de Corvane dans le tableau de bord.</translation>
        </message>
        <message>
            <source>General</source>
            <translation>Général</translation>
        </message>
        <message>
            <source>Open Corvane at login</source>
            <translation>Ouvrir Corvane à la connexion</translation>
        </message>
        <message>
            <source>Tidy automatically and follow the dark appearance</source>
            <translation>Ranger automatiquement et suivre l’apparence sombre</translation>
        </message>
        <message>
            <source>Overview</source>
            <translation>Vue d’ensemble</translation>
        </message>
        <message>
            <source>Open</source>
            <translation>Ouvrir</translation>
        </message>
        <message>
            <source>Quit</source>
            <translation>Quitter</translation>
        </message>
        <message>
            <source>Corvane Preferences</source>
            <translation>Préférences de Corvane</translation>
        </message>
        <message>
            <source>Task bar</source>
            <translation>Barre des tâches</translation>
        </message>
        <message>
            <source>Keep Corvane off the task bar</source>
            <translation>Ne pas afficher Corvane dans la barre des tâches</translation>
        </message>
        <message>
            <source>Desktop tidy</source>
            <translation>Rangement du Bureau</translation>
        </message>
        <message>
            <source>Change Store Location…</source>
            <translation>Changer l’emplacement de rangement…</translation>
        </message>
        <message>
            <source>Settings</source>
            <translation>Réglages</translation>
        </message>
        <message>
            <source>Corvane keeps its settings in %1</source>
            <translation>Corvane garde ses réglages dans %1</translation>
        </message>
        <message>
            <source>No store folder is chosen yet.</source>
            <translation>Aucun dossier de rangement n’est encore choisi.</translation>
        </message>
        <message>
            <source>Corvane stays off the task bar; reach it through its icon in the panel.</source>
            <translation>Corvane reste hors de la barre des tâches ; accédez-y par son icône dans le tableau de bord.</translation>
        </message>
        <message>
            <source>Corvane's main window shows in the task bar.</source>
            <translation>La fenêtre principale de Corvane apparaît dans la barre des tâches.</translation>
        </message>
        <message>
            <source>Deleting</source>
            <translation>Suppression</translation>
        </message>
        <message>
            <source>Are you sure you want to permanently erase the selected items ?</source>
            <translation>Voulez-vous vraiment effacer définitivement les éléments sélectionnés ?</translation>
        </message>
        <message>
            <source> Erase </source>
            <translation> Effacer </translation>
        </message>
        <message>
            <source> Cancel </source>
            <translation> Annuler </translation>
        </message>
        <message>
            <source>Quick View</source>
            <translation>Aperçu rapide</translation>
        </message>
        <message>
            <source>Preferences…</source>
            <translation>Préférences…</translation>
        </message>
        <message>
            <source>Quit Corvane</source>
            <translation>Quitter Corvane</translation>
        </message>
        <message>
            <source>Daily</source>
            <translation>Tous les jours</translation>
        </message>
        <message>
            <source>3 Days</source>
            <translation>Tous les 3 jours</translation>
        </message>
        <message>
            <source>Every Week</source>
            <translation>Chaque semaine</translation>
        </message>
        <message>
            <source>Two Weeks</source>
            <translation>Toutes les deux semaines</translation>
        </message>
        <message>
            <source>Monthly</source>
            <translation>Chaque mois</translation>
        </message>
        <message>
            <source>Two Months</source>
            <translation>Tous les deux mois</translation>
        </message>
        <message>
            <source>Are you sure you want to remove all items in the Trash ?</source>
            <translation>Voulez-vous vraiment supprimer tous les éléments de la Corbeille ?</translation>
        </message>
        <message>
            <source> Empty Trash </source>
            <translation> Vider la Corbeille </translation>
        </message>
        <message>
            <source>Start to empty Trash now</source>
            <translation>Commencer à vider la Corbeille maintenant</translation>
        </message>
        <message>
            <source>Later</source>
            <translation>Plus tard</translation>
        </message>
        <message>
            <source>Corvane empties your Trash by itself when it grows too large or when the chosen time has passed.</source>
            <translation>Corvane vide votre Corbeille de lui-même lorsqu’elle devient trop grande ou lorsque le délai choisi est écoulé.</translation>
        </message>
        <message>
            <source>These settings are open in the Corvane panel popover.</source>
            <translation>Ces réglages sont ouverts dans la fenêtre contextuelle de Corvane.</translation>
        </message>
        <message>
            <source>Empty automatically</source>
            <translation>Vider automatiquement</translation>
        </message>
        <message>
            <source>On a schedule</source>
            <translation>Régulièrement</translation>
        </message>
        <message>
            <source>Every</source>
            <translation>Tous les</translation>
        </message>
        <message>
            <source>When the Trash reaches</source>
            <translation>Lorsque la Corbeille atteint</translation>
        </message>
        <message>
            <source>Trash size that starts emptying</source>
            <translation>Taille de la Corbeille qui déclenche le vidage</translation>
        </message>
        <message>
            <source>Ask before emptying</source>
            <translation>Demander avant de vider</translation>
        </message>
        <message>
            <source>Last cleaned</source>
            <translation>Dernier nettoyage</translation>
        </message>
        <message>
            <source>Nothing emptied yet</source>
            <translation>Rien n’a encore été vidé</translation>
        </message>
        <message>
            <source>some items could not be removed with your rights</source>
            <translation>certains éléments n’ont pas pu être supprimés avec vos droits</translation>
        </message>
        <message>
            <source>some items could not be removed with your rights; run Corvane's helper to finish</source>
            <translation>certains éléments n’ont pas pu être supprimés avec vos droits ; lancez l’assistant de Corvane pour terminer</translation>
        </message>
        <message>
            <source>usage: %1</source>
            <translation>utilisation : %1</translation>
        </message>
        <message>
            <source>%1: unexpected &quot;%2&quot;</source>
            <translation>%1 : « %2 » inattendu</translation>
        </message>
        <message>
            <source>%1 needs --source safari|chrome|firefox|FILE</source>
            <translation>%1 demande --source safari|chrome|firefox|FICHIER</translation>
        </message>
        <message>
            <source>no %1 cookies found</source>
            <translation>aucun cookie %1 trouvé</translation>
        </message>
        <message>
            <source>&quot;%1&quot; is not a cookie file</source>
            <translation>« %1 » n’est pas un fichier de cookies</translation>
        </message>
        <message>
            <source>&quot;%1&quot; could not be written</source>
            <translation>« %1 » n’a pas pu être écrit</translation>
        </message>
        <message>
            <source>%1 cookie(s) left out: encrypted with a key Corvane could not use, or not carried by cookies.txt</source>
            <translation>%1 cookie(s) laissé(s) de côté : chiffré(s) avec une clé que Corvane n’a pas pu utiliser, ou non pris en charge par cookies.txt</translation>
        </message>
        <message>
            <source>no cookies to remove at &quot;%1&quot;</source>
            <translation>aucun cookie à supprimer dans « %1 »</translation>
        </message>
        <message>
            <source>Remove every cookie of &quot;%1&quot;?</source>
            <translation>Supprimer tous les cookies de « %1 » ?</translation>
        </message>
        <message>
            <source> Remove </source>
            <translation> Supprimer </translation>
        </message>
        <message>
            <source>nothing was removed</source>
            <translation>rien n’a été supprimé</translation>
        </message>
        <message>
            <source>cookies needs list, export or remove</source>
            <translation>cookies demande list, export ou remove</translation>
        </message>
        <message>
            <source>no store location is chosen yet (corvane-cli desktop store-location DIR)</source>
            <translation>aucun emplacement de rangement n’est encore choisi (corvane-cli desktop store-location DOSSIER)</translation>
        </message>
        <message>
            <source>desktop store-location takes one folder at most</source>
            <translation>desktop store-location accepte un seul dossier au plus</translation>
        </message>
        <message>
            <source>no store location is chosen yet</source>
            <translation>aucun emplacement de rangement n’est encore choisi</translation>
        </message>
        <message>
            <source>%1: not a folder</source>
            <translation>%1 : n’est pas un dossier</translation>
        </message>
        <message>
            <source>the settings could not be written</source>
            <translation>les réglages n’ont pas pu être écrits</translation>
        </message>
        <message>
            <source>nothing tidied: %1</source>
            <translation>rien n’a été rangé : %1</translation>
        </message>
        <message>
            <source>%1: the store folder can't be made</source>
            <translation>%1 : le dossier de rangement ne peut pas être créé</translation>
        </message>
        <message>
            <source>left on the Desktop: %1</source>
            <translation>laissé sur le Bureau : %1</translation>
        </message>
        <message>
            <source>desktop list: unknown option %1</source>
            <translation>desktop list : option inconnue %1</translation>
        </message>
        <message>
            <source>desktop list: --kind is one of folder, pictures, documents, archives, other</source>
            <translation>desktop list : --kind vaut folder, pictures, documents, archives ou other</translation>
        </message>
        <message>
            <source>desktop list takes no names</source>
            <translation>desktop list n’accepte pas de noms</translation>
        </message>
        <message>
            <source>desktop %1 needs the name of a stored item</source>
            <translation>desktop %1 demande le nom d’un élément rangé</translation>
        </message>
        <message>
            <source>%1: not a name in the store</source>
            <translation>%1 : n’est pas un nom du dossier de rangement</translation>
        </message>
        <message>
            <source>%1: not in the store</source>
            <translation>%1 : absent du dossier de rangement</translation>
        </message>
        <message>
            <source>the Desktop already has that name</source>
            <translation>le Bureau a déjà un élément de ce nom</translation>
        </message>
        <message>
            <source>Delete &quot;%1&quot; for good?</source>
            <translation>Supprimer « %1 » définitivement ?</translation>
        </message>
        <message>
            <source> Delete </source>
            <translation> Supprimer </translation>
        </message>
        <message>
            <source>It does not go to the Trash.</source>
            <translation>Il ne va pas dans la Corbeille.</translation>
        </message>
        <message>
            <source>%1: kept</source>
            <translation>%1 : conservé</translation>
        </message>
        <message>
            <source>desktop needs tidy, list, restore, delete or store-location (see --help)</source>
            <translation>desktop demande tidy, list, restore, delete ou store-location (voir --help)</translation>
        </message>
        <message>
            <source>nothing emptied</source>
            <translation>rien n’a été vidé</translation>
        </message>
        <message>
            <source>rules list takes no arguments</source>
            <translation>rules list n’accepte pas d’arguments</translation>
        </message>
        <message>
            <source>rules %1 needs at least one argument</source>
            <translation>rules %1 demande au moins un argument</translation>
        </message>
        <message>
            <source>rules %1: the settings file could not be written</source>
            <translation>rules %1 : le fichier de réglages n’a pas pu être écrit</translation>
        </message>
        <message>
            <source>rules needs one of: list, add-format, add-location, remove-format, remove-location</source>
            <translation>rules demande l’un de : list, add-format, add-location, remove-format, remove-location</translation>
        </message>
        <message>
            <source>size needs at least one path</source>
            <translation>size demande au moins un chemin</translation>
        </message>
        <message>
            <source>%1: no such file or folder</source>
            <translation>%1 : aucun fichier ou dossier de ce nom</translation>
        </message>
        <message>
            <source>: no such item in the Trash</source>
            <translation>: aucun élément de ce nom dans la Corbeille</translation>
        </message>
        <message>
            <source>: several items have this name; give its path in the Trash</source>
            <translation>: plusieurs éléments portent ce nom ; indiquez son chemin dans la Corbeille</translation>
        </message>
        <message>
            <source>name at least one item of the Trash</source>
            <translation>indiquez au moins un élément de la Corbeille</translation>
        </message>
        <message>
            <source>%1: could not be removed with your rights</source>
            <translation>%1 : n’a pas pu être supprimé avec vos droits</translation>
        </message>
        <message>
            <source>%1: its record names %2, outside the volume %3; it stays in the Trash (--force puts it back there)</source>
            <translation>%1 : sa fiche désigne %2, hors du volume %3 ; il reste dans la corbeille (--force le remet en place là-bas)</translation>
        </message>
        <message>
            <source>trash empty takes no arguments</source>
            <translation>trash empty n’accepte pas d’arguments</translation>
        </message>
        <message>
            <source>erase needs at least one path</source>
            <translation>erase demande au moins un chemin</translation>
        </message>
        <message>
            <source>nothing erased</source>
            <translation>rien n’a été effacé</translation>
        </message>
        <message>
            <source>%1: could not be erased</source>
            <translation>%1 : n’a pas pu être effacé</translation>
        </message>
        <message>
            <source>trash list takes only --json, not &quot;%1&quot;</source>
            <translation>trash list n’accepte que --json, pas « %1 »</translation>
        </message>
        <message>
            <source>trash tree takes no arguments</source>
            <translation>trash tree n’accepte pas d’arguments</translation>
        </message>
        <message>
            <source>trash putback-paths takes no arguments</source>
            <translation>trash putback-paths n’accepte pas d’arguments</translation>
        </message>
        <message>
            <source>trash needs one of: list, tree, putback-paths, empty, delete, shred, putback</source>
            <translation>trash demande l’un de : list, tree, putback-paths, empty, delete, shred, putback</translation>
        </message>
        <message>
            <source>the update check failed: %1 (%2)</source>
            <translation>la recherche de mise à jour a échoué : %1 (%2)</translation>
        </message>
        <message>
            <source>%1 has no option &quot;%2&quot; (an argument that begins with &quot;-&quot; goes after &quot;--&quot;)</source>
            <translation>%1 n’a pas d’option « %2 » (un argument qui commence par « - » se place après « -- »)</translation>
        </message>
        <message>
            <source>unknown option &quot;%1&quot; (see corvane-cli --help)</source>
            <translation>option inconnue « %1 » (voir corvane-cli --help)</translation>
        </message>
        <message>
            <source>unknown verb &quot;%1&quot; (see corvane-cli --help)</source>
            <translation>verbe inconnu « %1 » (voir corvane-cli --help)</translation>
        </message>
        <message>
            <source>&quot;%1&quot; is not a file that can be read.</source>
            <translation>« %1 » n’est pas un fichier lisible.</translation>
        </message>
        <message>
            <source>&quot;%1&quot; is too large to be a cookie file.</source>
            <translation>« %1 » est trop grand pour être un fichier de cookies.</translation>
        </message>
        <message>
            <source>&quot;%1&quot; can't be read.</source>
            <translation>« %1 » ne peut pas être lu.</translation>
        </message>
        <message>
            <source>&quot;%1&quot; is not a cookie database.</source>
            <translation>« %1 » n’est pas une base de cookies.</translation>
        </message>
        <message>
            <source>&quot;%1&quot; can't be read as a database.</source>
            <translation>« %1 » ne peut pas être lu comme une base de données.</translation>
        </message>
        <message>
            <source>&quot;%1&quot; is locked and its copy can't be read.</source>
            <translation>« %1 » est verrouillé et sa copie ne peut pas être lue.</translation>
        </message>
        <message>
            <source>The cookies of &quot;%1&quot; can't be read: %2.</source>
            <translation>Les cookies de « %1 » ne peuvent pas être lus : %2.</translation>
        </message>
        <message>
            <source>The cookies of &quot;%1&quot; were read only in part: %2.</source>
            <translation>Les cookies de « %1 » n’ont été lus qu’en partie : %2.</translation>
        </message>
        <message>
            <source>&quot;%1&quot; has a cookie table Corvane does not know.</source>
            <translation>« %1 » a une table de cookies que Corvane ne connaît pas.</translation>
        </message>
        <message>
            <source>&quot;%1&quot; holds no cookies of this browser.</source>
            <translation>« %1 » ne contient aucun cookie de ce navigateur.</translation>
        </message>
        <message>
            <source>&quot;%1&quot; is a database, but not a browser's cookie database.</source>
            <translation>« %1 » est une base de données, mais pas celle des cookies d’un navigateur.</translation>
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
            <translation>« %1 » n’est pas un fichier de cookies.</translation>
        </message>
        <message>
            <source>Corvane reads binary cookie files and the cookie databases of Chrome, Chromium and Firefox.</source>
            <translation>Corvane lit les fichiers de cookies binaires et les bases de cookies de Chrome, Chromium et Firefox.</translation>
        </message>
        <message>
            <source>%1 is running.</source>
            <translation>%1 est en cours d’exécution.</translation>
        </message>
        <message>
            <source>A running browser may write its cookies back when it closes. Close it first to be sure they are gone.</source>
            <translation>Un navigateur ouvert peut réécrire ses cookies en se fermant. Fermez-le d’abord pour être sûr qu’ils ont disparu.</translation>
        </message>
        <message>
            <source>The cookies were not removed.</source>
            <translation>Les cookies n’ont pas été supprimés.</translation>
        </message>
        <message>
            <source>The cookies could not be exported.</source>
            <translation>Les cookies n’ont pas pu être exportés.</translation>
        </message>
        <message>
            <source>&quot;%1&quot; could not be written.</source>
            <translation>« %1 » n’a pas pu être écrit.</translation>
        </message>
        <message>
            <source>1 cookie left out of the export.</source>
            <translation>1 cookie laissé hors de l’export.</translation>
        </message>
        <message>
            <source>%1 cookies left out of the export.</source>
            <translation>%1 cookies laissés hors de l’export.</translation>
        </message>
        <message>
            <source>Their values are encrypted with a key Corvane could not use, or hold characters a cookies.txt file can't carry.</source>
            <translation>Leurs valeurs sont chiffrées avec une clé que Corvane n’a pas pu utiliser, ou contiennent des caractères qu’un fichier cookies.txt ne peut pas contenir.</translation>
        </message>
        <message>
            <source>Open a cookie file…</source>
            <translation>Ouvrir un fichier de cookies…</translation>
        </message>
        <message>
            <source>Binary cookie file</source>
            <translation>Fichier de cookies binaire</translation>
        </message>
        <message>
            <source>Chrome and Chromium</source>
            <translation>Chrome et Chromium</translation>
        </message>
        <message>
            <source>The files you opened</source>
            <translation>Les fichiers que vous avez ouverts</translation>
        </message>
        <message>
            <source>Pick a browser above to see the cookies it keeps, or open a cookie file. You can export them as text or as a cookies.txt file, and remove them.</source>
            <translation>Choisissez un navigateur ci-dessus pour voir les cookies qu’il garde, ou ouvrez un fichier de cookies. Vous pouvez les exporter en texte ou en fichier cookies.txt, et les supprimer.</translation>
        </message>
        <message>
            <source>Secure</source>
            <translation>Sécurisé</translation>
        </message>
        <message>
            <source>Export</source>
            <translation>Exporter</translation>
        </message>
        <message>
            <source>Export as cookies.txt</source>
            <translation>Exporter en cookies.txt</translation>
        </message>
        <message>
            <source>Remove All Cookies</source>
            <translation>Supprimer tous les cookies</translation>
        </message>
        <message>
            <source>1 cookie</source>
            <translation>1 cookie</translation>
        </message>
        <message>
            <source>%1 cookies</source>
            <translation>%1 cookies</translation>
        </message>
        <message>
            <source>%1 in %2</source>
            <translation>%1 dans %2</translation>
        </message>
        <message>
            <source>The cookies of &quot;%1&quot; can't be removed while the browser holds them: close the browser and try again.</source>
            <translation>Les cookies de « %1 » ne peuvent pas être supprimés tant que le navigateur les tient : fermez le navigateur et réessayez.</translation>
        </message>
        <message>
            <source>&quot;%1&quot; is not a regular file; the cookies were left as they are.</source>
            <translation>« %1 » n’est pas un fichier ordinaire ; les cookies ont été laissés tels quels.</translation>
        </message>
        <message>
            <source>Corvane's empty cookie file is missing; nothing was removed.</source>
            <translation>Le fichier de cookies vide de Corvane est introuvable ; rien n’a été supprimé.</translation>
        </message>
        <message>
            <source>&quot;%1&quot; is not a regular file; it was left as it is.</source>
            <translation>« %1 » n’est pas un fichier ordinaire ; il a été laissé tel quel.</translation>
        </message>
        <message>
            <source>&quot;%1&quot; could not be replaced.</source>
            <translation>« %1 » n’a pas pu être remplacé.</translation>
        </message>
        <message>
            <source>&quot;%1&quot; no longer holds the cookies that were shown.</source>
            <translation>« %1 » ne contient plus les cookies qui étaient affichés.</translation>
        </message>
        <message>
            <source>&quot;%1&quot; can't be opened for writing.</source>
            <translation>« %1 » ne peut pas être ouvert en écriture.</translation>
        </message>
        <message>
            <source>The cookies of &quot;%1&quot; could not be removed: %2.</source>
            <translation>Les cookies de « %1 » n’ont pas pu être supprimés : %2.</translation>
        </message>
        <message>
            <source>The cookies of &quot;%1&quot; could not be counted after the removal: %2.</source>
            <translation>Les cookies de « %1 » n’ont pas pu être comptés après la suppression : %2.</translation>
        </message>
        <message>
            <source>%1 cookie(s) of &quot;%2&quot; are still there: a rule of the database kept them from being removed.</source>
            <translation>%1 cookie(s) de « %2 » sont toujours là : une règle de la base de données a empêché leur suppression.</translation>
        </message>
        <message>
            <source>The Firefox profile &quot;%1&quot; lies outside your home folder; it was not read.</source>
            <translation>Le profil Firefox « %1 » se trouve hors de votre dossier personnel ; il n’a pas été lu.</translation>
        </message>
        <message>
            <source>Encrypted with a key Corvane could not use; shown as its bytes.</source>
            <translation>Chiffré avec une clé que Corvane n’a pas pu utiliser ; affiché sous forme d’octets.</translation>
        </message>
        <message>
            <source>Session</source>
            <translation>Session</translation>
        </message>
        <message>
            <source>Website</source>
            <translation>Site web</translation>
        </message>
        <message>
            <source>Name</source>
            <translation>Nom</translation>
        </message>
        <message>
            <source>Path</source>
            <translation>Chemin</translation>
        </message>
        <message>
            <source>Value</source>
            <translation>Valeur</translation>
        </message>
        <message>
            <source>Expires</source>
            <translation>Expiration</translation>
        </message>
        <message>
            <source>another file system is mounted inside it</source>
            <translation>un autre système de fichiers est monté à l’intérieur</translation>
        </message>
        <message>
            <source>another file system is mounted on it</source>
            <translation>un autre système de fichiers y est monté</translation>
        </message>
        <message>
            <source>it was copied whole, but part of it could not be removed from where it was: %1</source>
            <translation>il a été copié en entier, mais une partie n’a pas pu être supprimée de son emplacement d’origine : %1</translation>
        </message>
        <message>
            <source>&quot;%1&quot; is another file system mounted here; Corvane leaves it alone.</source>
            <translation>« %1 » est un autre système de fichiers monté ici ; Corvane n’y touche pas.</translation>
        </message>
        <message>
            <source>&quot;%1&quot; belongs to someone else or may be changed by other users.</source>
            <translation>« %1 » appartient à quelqu’un d’autre ou peut être modifié par d’autres utilisateurs.</translation>
        </message>
        <message>
            <source>&quot;%1&quot; is not a name in a folder.</source>
            <translation>« %1 » n’est pas un nom dans un dossier.</translation>
        </message>
        <message>
            <source>&quot;%1&quot; is not among the items chosen; Corvane leaves it alone.</source>
            <translation>« %1 » ne fait pas partie des éléments choisis ; Corvane n’y touche pas.</translation>
        </message>
        <message>
            <source>&quot;%1&quot; is the top of a disk or of the system; Corvane does not act on it.</source>
            <translation>« %1 » est la racine d’un disque ou du système ; Corvane n’y touche pas.</translation>
        </message>
        <message>
            <source>&quot;%1&quot; is or holds the home folder; Corvane does not act on it.</source>
            <translation>« %1 » est ou contient le dossier personnel ; Corvane n’y touche pas.</translation>
        </message>
        <message>
            <source>&quot;%1&quot; holds &quot;%2&quot;, which Corvane keeps; Corvane does not act on it.</source>
            <translation>« %1 » contient « %2 », que Corvane conserve ; Corvane n’y touche pas.</translation>
        </message>
        <message>
            <source>No folder is set.</source>
            <translation>Aucun dossier n’est défini.</translation>
        </message>
        <message>
            <source>&quot;%1&quot; is not an absolute path.</source>
            <translation>« %1 » n’est pas un chemin absolu.</translation>
        </message>
        <message>
            <source>&quot;%1&quot; can't be opened.</source>
            <translation>« %1 » ne peut pas être ouvert.</translation>
        </message>
        <message>
            <source>&quot;%1&quot; is the home folder or the top of a disk; Corvane does not act on it.</source>
            <translation>« %1 » est le dossier personnel ou la racine d’un disque ; Corvane n’y touche pas.</translation>
        </message>
        <message>
            <source>No item is chosen.</source>
            <translation>Aucun élément n’est choisi.</translation>
        </message>
        <message>
            <source>another file system is mounted here; left alone</source>
            <translation>un autre système de fichiers est monté ici ; laissé tel quel</translation>
        </message>
        <message>
            <source>it changed while Corvane worked on it</source>
            <translation>il a changé pendant que Corvane y travaillait</translation>
        </message>
        <message>
            <source>its contents can't be read</source>
            <translation>son contenu ne peut pas être lu</translation>
        </message>
        <message>
            <source>its folder was moved while Corvane worked in it; stopped</source>
            <translation>son dossier a été déplacé pendant que Corvane y travaillait ; arrêté</translation>
        </message>
        <message>
            <source>removed, not overwritten whole: %1</source>
            <translation>supprimé, pas entièrement écrasé : %1</translation>
        </message>
        <message>
            <source>removed, the overwrite may not have reached the disk: %1</source>
            <translation>supprimé, l’écrasement n’a peut-être pas atteint le disque : %1</translation>
        </message>
        <message>
            <source>removed, but data was added while it was overwritten</source>
            <translation>supprimé, mais des données ont été ajoutées pendant l’écrasement</translation>
        </message>
        <message>
            <source>removed, not overwritten: %1</source>
            <translation>supprimé, pas écrasé : %1</translation>
        </message>
        <message>
            <source>removed, not overwritten: it is not a regular file</source>
            <translation>supprimé, pas écrasé : ce n’est pas un fichier ordinaire</translation>
        </message>
        <message>
            <source>removed, not overwritten: it has other names</source>
            <translation>supprimé, pas écrasé : il a d’autres noms</translation>
        </message>
        <message>
            <source>&quot;/&quot; can't be opened.</source>
            <translation>« / » ne peut pas être ouvert.</translation>
        </message>
        <message>
            <source>&quot;/&quot; may be changed by other users.</source>
            <translation>« / » peut être modifié par d’autres utilisateurs.</translation>
        </message>
        <message>
            <source>&quot;%1&quot; has a &quot;..&quot; step.</source>
            <translation>« %1 » contient une étape « .. ».</translation>
        </message>
        <message>
            <source>&quot;%1&quot; is a link; Corvane does not follow it.</source>
            <translation>« %1 » est un lien ; Corvane ne le suit pas.</translation>
        </message>
        <message>
            <source>&quot;%1&quot; can't be opened: %2.</source>
            <translation>« %1 » ne peut pas être ouvert : %2.</translation>
        </message>
        <message>
            <source>A tidy is already under way.</source>
            <translation>Un rangement est déjà en cours.</translation>
        </message>
        <message>
            <source>A tidy is under way; the list is refreshed when it ends.</source>
            <translation>Un rangement est en cours ; la liste sera actualisée quand il sera fini.</translation>
        </message>
        <message>
            <source>The store folder is missing; the next tidy makes it again.</source>
            <translation>Le dossier de rangement est introuvable ; le prochain rangement le recréera.</translation>
        </message>
        <message>
            <source>&quot;%1&quot; stays in the store.</source>
            <translation>« %1 » reste dans le dossier de rangement.</translation>
        </message>
        <message>
            <source>The Desktop already has an item of that name.</source>
            <translation>Le Bureau a déjà un élément de ce nom.</translation>
        </message>
        <message>
            <source>&quot;%1&quot; could not be deleted.</source>
            <translation>« %1 » n’a pas pu être supprimé.</translation>
        </message>
        <message>
            <source>&quot;%1&quot; is not an item of the store folder.</source>
            <translation>« %1 » n'est pas un élément du dossier de rangement.</translation>
        </message>
        <message>
            <source>No store location is chosen yet.</source>
            <translation>Aucun emplacement de rangement n'est encore choisi.</translation>
        </message>
        <message>
            <source>The store folder &quot;%1&quot; may be changed by other users.</source>
            <translation>Le dossier de rangement « %1 » peut être modifié par d'autres utilisateurs.</translation>
        </message>
        <message>
            <source>&quot;%1&quot; can't be made: %2.</source>
            <translation>« %1 » ne peut pas être créé : %2.</translation>
        </message>
        <message>
            <source>There is no Desktop folder to tidy.</source>
            <translation>Il n'y a pas de dossier Bureau à ranger.</translation>
        </message>
        <message>
            <source>the Desktop folder can't be opened</source>
            <translation>le dossier Bureau ne peut pas être ouvert</translation>
        </message>
        <message>
            <source>a stored item has that name</source>
            <translation>un élément rangé porte ce nom</translation>
        </message>
        <message>
            <source>There is no Desktop folder to put it back on.</source>
            <translation>Il n'y a pas de dossier Bureau où le remettre.</translation>
        </message>
        <message>
            <source>Size:</source>
            <translation>Taille :</translation>
        </message>
        <message>
            <source>Where:</source>
            <translation>Emplacement :</translation>
        </message>
        <message>
            <source>Created:</source>
            <translation>Création :</translation>
        </message>
        <message>
            <source>Modified:</source>
            <translation>Modification :</translation>
        </message>
        <message>
            <source>Show in Folder</source>
            <translation>Afficher dans le dossier</translation>
        </message>
        <message>
            <source>All</source>
            <translation>Tout</translation>
        </message>
        <message>
            <source>Pictures</source>
            <translation>Images</translation>
        </message>
        <message>
            <source>Documents</source>
            <translation>Documents</translation>
        </message>
        <message>
            <source>Archives</source>
            <translation>Archives</translation>
        </message>
        <message>
            <source>Folders</source>
            <translation>Dossiers</translation>
        </message>
        <message>
            <source>Other</source>
            <translation>Autres</translation>
        </message>
        <message>
            <source>All Content</source>
            <translation>Tout le contenu</translation>
        </message>
        <message>
            <source>Videos</source>
            <translation>Vidéos</translation>
        </message>
        <message>
            <source>Audios</source>
            <translation>Audio</translation>
        </message>
        <message>
            <source>Search</source>
            <translation>Rechercher</translation>
        </message>
        <message>
            <source>Tidy</source>
            <translation>Ranger</translation>
        </message>
        <message>
            <source>Refresh</source>
            <translation>Actualiser</translation>
        </message>
        <message>
            <source>The Desktop is tidy.</source>
            <translation>Le Bureau est rangé.</translation>
        </message>
        <message>
            <source>Left on the Desktop: %1</source>
            <translation>Laissé sur le Bureau : %1</translation>
        </message>
        <message>
            <source>Choose where the tidied items go first.</source>
            <translation>Choisissez d'abord où ranger les éléments.</translation>
        </message>
        <message>
            <source>Tidying the Desktop…</source>
            <translation>Rangement du Bureau…</translation>
        </message>
        <message>
            <source>Copy</source>
            <translation>Copier</translation>
        </message>
        <message>
            <source>Put Back on the Desktop</source>
            <translation>Remettre sur le Bureau</translation>
        </message>
        <message>
            <source>Delete for Good</source>
            <translation>Supprimer définitivement</translation>
        </message>
        <message>
            <source>Choose where the store folder goes</source>
            <translation>Choisissez où placer le dossier de rangement</translation>
        </message>
        <message>
            <source>Tidy Desktop Now</source>
            <translation>Ranger le Bureau maintenant</translation>
        </message>
        <message>
            <source>‹ Back</source>
            <translation>‹ Retour</translation>
        </message>
        <message>
            <source>No store folder chosen yet.</source>
            <translation>Aucun dossier de rangement n’est encore choisi.</translation>
        </message>
        <message>
            <source>&quot;%1&quot; can't be opened; refresh to see the store as it is now.</source>
            <translation>« %1 » ne peut pas être ouvert ; actualisez pour voir le dossier de rangement tel qu’il est maintenant.</translation>
        </message>
        <message>
            <source>That folder can't hold the store folder.</source>
            <translation>Ce dossier ne peut pas contenir le dossier de rangement.</translation>
        </message>
        <message>
            <source>The store location could not be saved.</source>
            <translation>L’emplacement de rangement n’a pas pu être enregistré.</translation>
        </message>
        <message>
            <source>It is used until Corvane quits.</source>
            <translation>Il est utilisé jusqu’à ce que Corvane quitte.</translation>
        </message>
        <message>
            <source>Delete</source>
            <translation>Supprimer</translation>
        </message>
        <message>
            <source>The Desktop folder &quot;%1&quot; is not an absolute path.</source>
            <translation>Le dossier Bureau « %1 » n'est pas un chemin absolu.</translation>
        </message>
        <message>
            <source>The Desktop folder is set to &quot;%1&quot;, which holds your home folder; there is no Desktop folder to tidy.</source>
            <translation>Le dossier Bureau est « %1 », qui contient votre dossier personnel ; il n'y a pas de dossier Bureau à ranger.</translation>
        </message>
        <message>
            <source>The Desktop folder &quot;%1&quot; holds the Trash; it is not tidied.</source>
            <translation>Le dossier Bureau « %1 » contient la Corbeille ; il n'est pas rangé.</translation>
        </message>
        <message>
            <source>The store location &quot;%1&quot; is not an absolute path.</source>
            <translation>L'emplacement de rangement « %1 » n'est pas un chemin absolu.</translation>
        </message>
        <message>
            <source>The store location can't be &quot;%1&quot;: choose a folder inside your home folder or on another disk.</source>
            <translation>L'emplacement de rangement ne peut pas être « %1 » : choisissez un dossier dans votre dossier personnel ou sur un autre disque.</translation>
        </message>
        <message>
            <source>The store location &quot;%1&quot; is inside the Desktop, which a tidy empties.</source>
            <translation>L'emplacement de rangement « %1 » est dans le Bureau, que le rangement vide.</translation>
        </message>
        <message>
            <source>The store location &quot;%1&quot; is inside the Trash.</source>
            <translation>L'emplacement de rangement « %1 » est dans la Corbeille.</translation>
        </message>
        <message>
            <source>The store location &quot;%1&quot; holds the Trash.</source>
            <translation>L'emplacement de rangement « %1 » contient la Corbeille.</translation>
        </message>
        <message>
            <source>The store location &quot;%1&quot; holds the Desktop.</source>
            <translation>L'emplacement de rangement « %1 » contient le Bureau.</translation>
        </message>
        <message>
            <source>Corvane will delete all items in the trash, are you sure you want to remove ?</source>
            <translation>Corvane va supprimer tous les éléments de la Corbeille, voulez-vous vraiment les supprimer ?</translation>
        </message>
        <message>
            <source>The current user does not have permission to delete some items. Corvane need to change the permissions to remove them.</source>
            <translation>L’utilisateur actuel n’a pas le droit de supprimer certains éléments. Corvane doit modifier les permissions pour les supprimer.</translation>
        </message>
        <message>
            <source>Some items were not erased as asked.</source>
            <translation>Certains éléments n’ont pas été effacés comme demandé.</translation>
        </message>
        <message>
            <source>Choose the file(s) or folder(s) to secure deletion.</source>
            <translation>Choisissez le ou les fichiers ou dossiers à effacer de façon sécurisée.</translation>
        </message>
        <message>
            <source>Choose</source>
            <translation>Choisir</translation>
        </message>
        <message>
            <source>The erased items were removed, but their former contents may still be recoverable.</source>
            <translation>Les éléments effacés ont été supprimés, mais leur ancien contenu peut encore être récupérable.</translation>
        </message>
        <message>
            <source>They were on %1, a file system that can write new data to new places instead of over the old, so overwriting them may not have reached what they held before.</source>
            <translation>Ils se trouvaient sur %1, un système de fichiers qui peut écrire les nouvelles données à de nouveaux endroits au lieu d’écraser les anciennes ; l’écrasement n’a donc peut-être pas atteint leur ancien contenu.</translation>
        </message>
        <message>
            <source>… and %1 more.</source>
            <translation>… et %1 de plus.</translation>
        </message>
        <message>
            <source>the settings file %1 could not be read and not be moved aside; settings are not saved</source>
            <translation>le fichier de réglages %1 n’a pas pu être lu ni mis de côté ; les réglages ne sont pas enregistrés</translation>
        </message>
        <message>
            <source>the settings file %1 could not be read; it was moved to %2</source>
            <translation>le fichier de réglages %1 n’a pas pu être lu ; il a été déplacé vers %2</translation>
        </message>
        <message>
            <source>the settings file %1 could not be read (%2); settings are not saved</source>
            <translation>le fichier de réglages %1 n’a pas pu être lu (%2) ; les réglages ne sont pas enregistrés</translation>
        </message>
        <message>
            <source>not a file</source>
            <translation>pas un fichier</translation>
        </message>
        <message>
            <source>Protection Rules</source>
            <translation>Règles de protection</translation>
        </message>
        <message>
            <source>When Corvane empties the Trash by force, it keeps every item whose file format or original location matches a rule below, and lists the kept items afterwards so you can remove them or put them back.</source>
            <translation>Lorsque Corvane vide la Corbeille de force, il garde chaque élément dont le format de fichier ou l’emplacement d’origine correspond à une règle ci-dessous, puis liste les éléments gardés pour que vous puissiez les supprimer ou les remettre en place.</translation>
        </message>
        <message>
            <source>Choose a Folder to Protect</source>
            <translation>Choisir un dossier à protéger</translation>
        </message>
        <message>
            <source>File Formats</source>
            <translation>Formats de fichier</translation>
        </message>
        <message>
            <source>Items with these extensions, such as psd or key.</source>
            <translation>Les éléments ayant ces extensions, comme psd ou key.</translation>
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
            <translation>Emplacements</translation>
        </message>
        <message>
            <source>Items deleted from these folders or below.</source>
            <translation>Les éléments supprimés de ces dossiers ou de leurs sous-dossiers.</translation>
        </message>
        <message>
            <source>+ Location</source>
            <translation>+ Emplacement</translation>
        </message>
        <message>
            <source>− Location</source>
            <translation>− Emplacement</translation>
        </message>
        <message>
            <source>Type a file name extension, such as psd.</source>
            <translation>Saisissez une extension de nom de fichier, comme psd.</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Annuler</translation>
        </message>
        <message>
            <source>Add</source>
            <translation>Ajouter</translation>
        </message>
        <message>
            <source>Add Protection File Format</source>
            <translation>Ajouter un format de fichier protégé</translation>
        </message>
        <message>
            <source>The protection rules could not be saved.</source>
            <translation>Les règles de protection n’ont pas pu être enregistrées.</translation>
        </message>
        <message>
            <source>Corvane could not write its settings file, so the change holds only while Corvane runs.</source>
            <translation>Corvane n’a pas pu écrire son fichier de réglages ; la modification ne vaut que tant que Corvane fonctionne.</translation>
        </message>
        <message>
            <source>Mark this item</source>
            <translation>Marquer cet élément</translation>
        </message>
        <message>
            <source>Source Path: %1</source>
            <translation>Chemin d’origine : %1</translation>
        </message>
        <message>
            <source>Show</source>
            <translation>Afficher</translation>
        </message>
        <message>
            <source>Show in the file manager</source>
            <translation>Afficher dans le gestionnaire de fichiers</translation>
        </message>
        <message>
            <source>Protected Items</source>
            <translation>Éléments protégés</translation>
        </message>
        <message>
            <source>These items match your protection rules and were kept in the Trash. Mark the ones to remove for good or to put back where they came from.</source>
            <translation>Ces éléments correspondent à vos règles de protection et ont été gardés dans la Corbeille. Marquez ceux à supprimer définitivement ou à remettre à leur place d’origine.</translation>
        </message>
        <message>
            <source>Select All</source>
            <translation>Tout sélectionner</translation>
        </message>
        <message>
            <source>No protected items are listed.</source>
            <translation>Aucun élément protégé n’est listé.</translation>
        </message>
        <message>
            <source>Delete Immediately</source>
            <translation>Supprimer immédiatement</translation>
        </message>
        <message>
            <source>Put Back</source>
            <translation>Remettre en place</translation>
        </message>
        <message>
            <source>Some items were not put back.</source>
            <translation>Certains éléments n’ont pas été remis en place.</translation>
        </message>
        <message>
            <source>Putting back</source>
            <translation>Remise en place</translation>
        </message>
        <message>
            <source>PKEXEC_UID &quot;%1&quot; is not a user id; nothing was changed.</source>
            <translation>PKEXEC_UID « %1 » n’est pas un identifiant d’utilisateur ; rien n’a été modifié.</translation>
        </message>
        <message>
            <source>PKEXEC_UID %1 names no user of this system; nothing was changed.</source>
            <translation>PKEXEC_UID %1 ne désigne aucun utilisateur de ce système ; rien n’a été modifié.</translation>
        </message>
        <message>
            <source>&quot;%1&quot; is not an item of your Trash; it was left alone.</source>
            <translation>« %1 » n’est pas un élément de votre Corbeille ; il a été laissé tel quel.</translation>
        </message>
        <message>
            <source>Corvane failed to change the permissions because of System Integrity Protection module.</source>
            <translation>Corvane n’a pas pu modifier les permissions à cause du module de protection de l’intégrité du système.</translation>
        </message>
        <message>
            <source> Ok </source>
            <translation> Ok </translation>
        </message>
        <message>
            <source>You need to disable system Integrity Protection module on macOS, </source>
            <translation>Vous devez désactiver le module de protection de l’intégrité du système sur macOS, </translation>
        </message>
        <message>
            <source>Show in File Manager</source>
            <translation>Afficher dans le gestionnaire de fichiers</translation>
        </message>
        <message>
            <source>Trash Storage - - %1</source>
            <translation>Stockage de la Corbeille - - %1</translation>
        </message>
        <message>
            <source>Inside a folder of the Trash</source>
            <translation>Dans un dossier de la Corbeille</translation>
        </message>
        <message>
            <source>Everything in your Trash</source>
            <translation>Tout ce que contient votre Corbeille</translation>
        </message>
        <message>
            <source>1 item in the Trash.</source>
            <translation>1 élément dans la Corbeille.</translation>
        </message>
        <message>
            <source>%1 items in the Trash.</source>
            <translation>%1 éléments dans la Corbeille.</translation>
        </message>
        <message>
            <source>Measuring every folder of the Trash…</source>
            <translation>Mesure de chaque dossier de la Corbeille…</translation>
        </message>
        <message>
            <source>Securely Delete</source>
            <translation>Supprimer de façon sécurisée</translation>
        </message>
        <message>
            <source>Securely deleting</source>
            <translation>Suppression sécurisée</translation>
        </message>
        <message>
            <source>its folder can't be opened</source>
            <translation>son dossier ne peut pas être ouvert</translation>
        </message>
        <message>
            <source>&quot;%1&quot; to %2</source>
            <translation>« %1 » vers %2</translation>
        </message>
        <message>
            <source>Put back outside the volume?</source>
            <translation>Remettre en place hors du volume ?</translation>
        </message>
        <message>
            <source> Put Back </source>
            <translation> Remettre en place </translation>
        </message>
        <message>
            <source> Keep in Trash </source>
            <translation> Garder dans la corbeille </translation>
        </message>
        <message>
            <source>These items are in the Trash of a volume, but their records name places outside that volume. A record on a volume can be written by anyone who had the volume, so put them back only if you expect these places:</source>
            <translation>Ces éléments sont dans la corbeille d’un volume, mais leurs fiches désignent des emplacements hors de ce volume. Quiconque a eu le volume entre les mains a pu écrire ces fiches : ne les remettez en place que si vous attendez ces emplacements :</translation>
        </message>
        <message>
            <source>&quot;%1&quot;: something is already at %2.</source>
            <translation>« %1 » : quelque chose se trouve déjà à %2.</translation>
        </message>
        <message>
            <source>&quot;%1&quot;: it could not be moved to %2.</source>
            <translation>« %1 » : n’a pas pu être déplacé vers %2.</translation>
        </message>
        <message>
            <source>&quot;%1&quot;: where it came from is not known.</source>
            <translation>« %1 » : sa provenance est inconnue.</translation>
        </message>
        <message>
            <source>&quot;%1&quot;: %2 lies outside the volume whose Trash holds it.</source>
            <translation>« %1 » : %2 se trouve hors du volume dont la corbeille le contient.</translation>
        </message>
        <message>
            <source>&quot;%1&quot; is not in a Trash folder of yours; Corvane leaves it alone.</source>
            <translation>« %1 » n’est dans aucun de vos dossiers Corbeille ; Corvane n’y touche pas.</translation>
        </message>
        <message>
            <source>Size</source>
            <translation>Taille</translation>
        </message>
        <message>
            <source>Permissions</source>
            <translation>Permissions</translation>
        </message>
        <message>
            <source>Original Location</source>
            <translation>Emplacement d’origine</translation>
        </message>
        <message>
            <source>Date Modified</source>
            <translation>Date de modification</translation>
        </message>
        <message>
            <source>Check Trash</source>
            <translation>Vérifier la Corbeille</translation>
        </message>
        <message>
            <source>Items</source>
            <translation>Éléments</translation>
        </message>
        <message>
            <source>The whole content of your Trash, folder by folder.</source>
            <translation>Tout le contenu de votre Corbeille, dossier par dossier.</translation>
        </message>
        <message>
            <source>Build Tree</source>
            <translation>Construire l’arborescence</translation>
        </message>
        <message>
            <source>Tree</source>
            <translation>Arborescence</translation>
        </message>
        <message>
            <source>Software Update</source>
            <translation>Mise à jour du logiciel</translation>
        </message>
        <message>
            <source>You're up to date!</source>
            <translation>Vous êtes à jour !</translation>
        </message>
        <message>
            <source>Corvane %1 is the newest version available.</source>
            <translation>Corvane %1 est la version la plus récente.</translation>
        </message>
        <message>
            <source>no answer within %1 s</source>
            <translation>pas de réponse en %1 s</translation>
        </message>
        <message>
            <source>redirected to an address that is not used (https://, or http:// to this machine)</source>
            <translation>redirigé vers une adresse qui n’est pas utilisée (https://, ou http:// vers cette machine)</translation>
        </message>
        <message>
            <source>the answer is larger than %1 bytes</source>
            <translation>la réponse dépasse %1 octets</translation>
        </message>
        <message>
            <source>the server answered with HTTP status %1</source>
            <translation>le serveur a répondu avec le statut HTTP %1</translation>
        </message>
        <message>
            <source>the answer is not a version document</source>
            <translation>la réponse n’est pas un document de version</translation>
        </message>
        <message>
            <source>the version document has no &quot;lastestVersion&quot;</source>
            <translation>le document de version n’a pas de « lastestVersion »</translation>
        </message>
        <message>
            <source>Corvane %1 is available.</source>
            <translation>Corvane %1 est disponible.</translation>
        </message>
        <message>
            <source>You are using %1 version. Would you like to download it now?</source>
            <translation>Vous utilisez la version %1. Voulez-vous la télécharger maintenant ?</translation>
        </message>
        <message>
            <source>the update address &quot;%1&quot; is not used: it must be https://, or http:// to this machine only</source>
            <translation>l’adresse de mise à jour « %1 » n’est pas utilisée : elle doit être en https://, ou en http:// vers cette machine uniquement</translation>
        </message>
        <message>
            <source>What's new:</source>
            <translation>Nouveautés :</translation>
        </message>
        <message>
            <source>Not Now</source>
            <translation>Pas maintenant</translation>
        </message>
        <message>
            <source>Download</source>
            <translation>Télécharger</translation>
        </message>
        <message>
            <source>Open File</source>
            <translation>Ouvrir</translation>
        </message>
        <message>
            <source>New</source>
            <translation>Nouveau</translation>
        </message>
        <message>
            <source>System</source>
            <translation>Système</translation>
        </message>
        <message>
            <source>Web</source>
            <translation>Web</translation>
        </message>
        <message>
            <source>Choose Folder</source>
            <translation>Choisir un dossier</translation>
        </message>
        <message>
            <source>Pics</source>
            <translation>Images</translation>
        </message>
        <message>
            <source>Docs</source>
            <translation>Docs</translation>
        </message>
        <message>
            <source>Zips</source>
            <translation>Arch.</translation>
        </message>
        <message>
            <source>Dirs</source>
            <translation>Doss.</translation>
        </message>
        <message>
            <source>Misc</source>
            <translation>Divers</translation>
        </message>
        <message>
            <source>%1 — stopping after the current item…</source>
            <translation>%1 — arrêt après l’élément en cours…</translation>
        </message>
        <message>
            <source>%1 — %2 of %3 items done</source>
            <translation>%1 — %2 éléments traités sur %3</translation>
        </message>
        <message>
            <source>%1 — %2 items done</source>
            <translation>%1 — %2 éléments traités</translation>
        </message>
        <message>
            <source>%1 of %2 items</source>
            <translation>%1 éléments sur %2</translation>
        </message>
        <message>
            <source>%1 items</source>
            <translation>%1 éléments</translation>
        </message>
        <message>
            <source>1 file</source>
            <translation>1 fichier</translation>
        </message>
        <message>
            <source>%1 files</source>
            <translation>%1 fichiers</translation>
        </message>
        <message>
            <source>%1 of %2</source>
            <translation>%1 sur %2</translation>
        </message>
        <message>
            <source>&quot;%1&quot; is a Trash folder, lies in one or holds one; Corvane does not trash it</source>
            <translation>« %1 » est une corbeille, se trouve dans une corbeille ou en contient une ; Corvane ne la met pas à la corbeille</translation>
        </message>
        <message>
            <source>&quot;%1&quot; is not there</source>
            <translation>« %1 » n’existe pas</translation>
        </message>
        <message>
            <source>&quot;%1&quot;: skipped, something is already at %2.</source>
            <translation>« %1 » : ignoré, quelque chose se trouve déjà à %2.</translation>
        </message>
        <message>
            <source>%1 belongs to someone else</source>
            <translation>%1 appartient à quelqu’un d’autre</translation>
        </message>
        <message>
            <source>%1 is no longer there</source>
            <translation>%1 n’est plus là</translation>
        </message>
        <message>
            <source>%1 is not in a Trash</source>
            <translation>%1 n’est pas dans une corbeille</translation>
        </message>
        <message>
            <source>%1: copied to the Trash, but part of it could not be removed (%2)</source>
            <translation>%1 : copié dans la corbeille, mais une partie n’a pas pu être supprimée (%2)</translation>
        </message>
        <message>
            <source>%1: not moved to the Trash (%2)</source>
            <translation>%1 : non déplacé dans la corbeille (%2)</translation>
        </message>
        <message>
            <source>(--keep-both, --replace or --skip choose what happens)</source>
            <translation>(--keep-both, --replace ou --skip choisissent ce qui se passe)</translation>
        </message>
        <message>
            <source>choose one of --keep-both, --replace and --skip</source>
            <translation>choisissez une seule option parmi --keep-both, --replace et --skip</translation>
        </message>
        <message>
            <source>every name for it is taken in %1</source>
            <translation>tous les noms possibles sont pris dans %1</translation>
        </message>
        <message>
            <source>it is no longer in the Trash</source>
            <translation>il n’est plus dans la corbeille</translation>
        </message>
        <message>
            <source>its folder %1 can&apos;t be made</source>
            <translation>son dossier %1 ne peut pas être créé</translation>
        </message>
        <message>
            <source>its record can&apos;t be written in %1 (%2)</source>
            <translation>son enregistrement ne peut pas être écrit dans %1 (%2)</translation>
        </message>
        <message>
            <source>moving into the Trash needs the freedesktop layout</source>
            <translation>le déplacement vers la corbeille demande la disposition freedesktop</translation>
        </message>
        <message>
            <source>no Trash can be used on the disk that holds it (%1); it can be copied to the home Trash instead</source>
            <translation>aucune corbeille n’est utilisable sur le disque qui le contient (%1) ; il peut être copié dans la corbeille du dossier personnel à la place</translation>
        </message>
        <message>
            <source>not undone</source>
            <translation>non annulé</translation>
        </message>
        <message>
            <source>something is already at %1</source>
            <translation>quelque chose se trouve déjà à %1</translation>
        </message>
        <message>
            <source>the Trash folder %1 can&apos;t be made (%2)</source>
            <translation>le dossier de corbeille %1 ne peut pas être créé (%2)</translation>
        </message>
        <message>
            <source>the Trash folder %1 can&apos;t be used (%2)</source>
            <translation>le dossier de corbeille %1 n’est pas utilisable (%2)</translation>
        </message>
        <message>
            <source>there is nothing to undo</source>
            <translation>il n’y a rien à annuler</translation>
        </message>
        <message>
            <source>trash needs one of: list, tree, putback-paths, put, empty, delete, shred, putback, undo</source>
            <translation>trash demande l’un de : list, tree, putback-paths, put, empty, delete, shred, putback, undo</translation>
        </message>
        <message>
            <source>trash put needs at least one path</source>
            <translation>trash put demande au moins un chemin</translation>
        </message>
        <message>
            <source>trash undo takes no arguments</source>
            <translation>trash undo ne prend aucun argument</translation>
        </message>
        <message>
            <source>what was put back can&apos;t be recorded for an undo</source>
            <translation>ce qui a été remis en place ne peut pas être enregistré pour une annulation</translation>
        </message>
        <message>
            <source>what was trashed can&apos;t be recorded for an undo</source>
            <translation>ce qui a été mis à la corbeille ne peut pas être enregistré pour une annulation</translation>
            <source>Deleted</source>
            <translation>Supprimé le</translation>
        </message>
        <message>
            <source>Filter</source>
            <translation>Filtrer</translation>
        </message>
        <message>
            <source>Undo</source>
            <translation>Annuler</translation>
        </message>
        <message>
            <source>Undoing</source>
            <translation>Annulation</translation>
        </message>
        <message>
            <source>Keep Both</source>
            <translation>Garder les deux</translation>
        </message>
        <message>
            <source>Replace</source>
            <translation>Remplacer</translation>
        </message>
        <message>
            <source>Skip</source>
            <translation>Ignorer</translation>
        </message>
        <message>
            <source>Apply to All (1 more item)</source>
            <translation>Appliquer à tous (1 autre élément)</translation>
        </message>
        <message>
            <source>Apply to All (%1 more items)</source>
            <translation>Appliquer à tous (%1 autres éléments)</translation>
        </message>
        <message>
            <source>Something is already at the place of &quot;%1&quot;.</source>
            <translation>Un élément occupe déjà l’emplacement de « %1 ».</translation>
        </message>
        <message>
            <source>%1 is taken. Keep both items (the one put back gets a new name), replace what is there (it goes to the Trash), or leave this item in the Trash?</source>
            <translation>%1 est occupé. Garder les deux éléments (celui remis en place reçoit un nouveau nom), remplacer ce qui s’y trouve (cela va à la corbeille) ou laisser cet élément dans la corbeille ?</translation>
        </message>
        <message>
            <source>This put back can&apos;t be undone.</source>
            <translation>Cette remise en place ne peut pas être annulée.</translation>
        </message>
        <message>
            <source>Corvane could not write down what it moved.</source>
            <translation>Corvane n’a pas pu noter ce qu’il a déplacé.</translation>
        </message>
        <message>
            <source>Some moves could not be undone.</source>
            <translation>Certains déplacements n’ont pas pu être annulés.</translation>
        </message>
        <message>
            <source>&quot;%1&quot;: %2</source>
            <translation>« %1 » : %2</translation>
        </message>
        <message>
            <source>Move to Trash</source>
            <translation>Placer dans la corbeille</translation>
        </message>
        <message>
            <source>Copy to the home Trash?</source>
            <translation>Copier dans la corbeille du dossier personnel ?</translation>
        </message>
        <message>
            <source> Copy </source>
            <translation> Copier </translation>
        </message>
        <message>
            <source>The volume holding &quot;%1&quot; has no Trash. It can be copied to your home Trash and removed here.</source>
            <translation>Le volume contenant « %1 » n’a pas de corbeille. L’élément peut être copié dans la corbeille de votre dossier personnel et supprimé ici.</translation>
        </message>
        <message>
            <source>&quot;%1&quot; was not moved to the Trash.</source>
            <translation>« %1 » n’a pas été placé dans la corbeille.</translation>
        </message>
        <message>
            <source>it is not in the store folder</source>
            <translation>il n’est pas dans le dossier de rangement</translation>
            <source> GB free</source>
            <translation> Go libres</translation>
        </message>
        <message>
            <source>Free space to keep on the disk of the Trash</source>
            <translation>Espace libre à garder sur le disque de la Corbeille</translation>
        </message>
        <message>
            <source> days ago</source>
            <translation> jours</translation>
        </message>
        <message>
            <source>Remove items deleted more than this many days ago</source>
            <translation>Supprimer les éléments supprimés il y a plus de ce nombre de jours</translation>
        </message>
        <message>
            <source>% of disk</source>
            <translation>% du disque</translation>
        </message>
        <message>
            <source>Largest share of the disk the Trash may take</source>
            <translation>Part maximale du disque que la Corbeille peut occuper</translation>
        </message>
        <message>
            <source>%1 takes %2 from 1 to %3, or off</source>
            <translation>%1 prend %2 de 1 à %3, ou off</translation>
        </message>
        <message>
            <source>%1: %2 needs a value</source>
            <translation>%1 : %2 demande une valeur</translation>
        </message>
        <message>
            <source>--older-than takes a number of days from 0 to %1</source>
            <translation>--older-than prend un nombre de jours de 0 à %1</translation>
        </message>
        <message>
            <source>Deleted more than</source>
            <translation>Supprimés il y a plus de</translation>
        </message>
        <message>
            <source>Keep at least</source>
            <translation>Garder au moins</translation>
        </message>
        <message>
            <source>Remove %1 items from the Trash for good?</source>
            <translation>Supprimer définitivement %1 éléments de la Corbeille ?</translation>
        </message>
        <message>
            <source>The oldest deletions go first; protected items always stay.</source>
            <translation>Les suppressions les plus anciennes partent d&apos;abord ; les éléments protégés restent toujours.</translation>
        </message>
        <message>
            <source>They were deleted longer ago than the auto-clean rules keep items.</source>
            <translation>Ils ont été supprimés depuis plus longtemps que les règles de nettoyage automatique ne gardent les éléments.</translation>
        </message>
        <message>
            <source>Trash larger than</source>
            <translation>Corbeille au-delà de</translation>
        </message>
        <message>
            <source>could not delete the timer&apos;s files in %1</source>
            <translation>impossible de supprimer les fichiers du minuteur dans %1</translation>
        </message>
        <message>
            <source>could not write the timer&apos;s files in %1</source>
            <translation>impossible d&apos;écrire les fichiers du minuteur dans %1</translation>
        </message>
        <message>
            <source>less than %1 GB stays free even without the Trash&apos;s old items</source>
            <translation>moins de %1 Go restent libres même sans les anciens éléments de la Corbeille</translation>
        </message>
        <message>
            <source>no auto-clean timer is installed</source>
            <translation>aucun minuteur de nettoyage automatique n&apos;est installé</translation>
        </message>
        <message>
            <source>nothing removed</source>
            <translation>rien n&apos;a été supprimé</translation>
        </message>
        <message>
            <source>the Trash stays above %1% of its disk: what is left is protected, undated or on another disk</source>
            <translation>la Corbeille reste au-delà de %1 % de son disque : ce qui reste est protégé, sans date ou sur un autre disque</translation>
        </message>
        <message>
            <source>the daily auto-clean timer is installed and enabled: %1</source>
            <translation>le minuteur quotidien de nettoyage automatique est installé et activé : %1</translation>
        </message>
        <message>
            <source>the daily auto-clean timer is removed</source>
            <translation>le minuteur quotidien de nettoyage automatique est retiré</translation>
        </message>
        <message>
            <source>the disk of the Trash could not be measured; the size and free-space rules were not applied</source>
            <translation>le disque de la Corbeille n&apos;a pas pu être mesuré ; les règles de taille et d&apos;espace libre n&apos;ont pas été appliquées</translation>
        </message>
        <message>
            <source>the program&apos;s path can&apos;t be written in a unit file: %1</source>
            <translation>le chemin du programme ne peut pas être écrit dans un fichier d&apos;unité : %1</translation>
        </message>
        <message>
            <source>the timer&apos;s files are deleted, but systemctl could not be reached; run: systemctl --user daemon-reload</source>
            <translation>les fichiers du minuteur sont supprimés, mais systemctl est injoignable ; lancez : systemctl --user daemon-reload</translation>
        </message>
        <message>
            <source>the timer&apos;s files are written, but systemctl could not enable it; run: systemctl --user daemon-reload &amp;&amp; systemctl --user enable --now %1</source>
            <translation>les fichiers du minuteur sont écrits, mais systemctl n&apos;a pas pu l&apos;activer ; lancez : systemctl --user daemon-reload &amp;&amp; systemctl --user enable --now %1</translation>
        </message>
        <message>
            <source>a number of days</source>
            <translation>un nombre de jours</translation>
        </message>
        <message>
            <source>a percentage</source>
            <translation>un pourcentage</translation>
        </message>
        <message>
            <source>a number of GB</source>
            <translation>un nombre de Go</translation>
        </message>
        <message>
            <source>the keep-list is empty: nothing would be spared</source>
            <translation>la liste des sites conservés est vide : rien ne serait épargné</translation>
        </message>
        <message>
            <source>(--force removes them anyway)</source>
            <translation>(--force les supprime quand même)</translation>
        </message>
        <message>
            <source>cookies keep needs add HOST, remove HOST or list</source>
            <translation>cookies keep attend add HÔTE, remove HÔTE ou list</translation>
        </message>
        <message>
            <source>&quot;%1&quot; is not a host name</source>
            <translation>« %1 » n’est pas un nom d’hôte</translation>
        </message>
        <message>
            <source>%1 partitioned cookie(s) left out: cookies.txt has no place for the partition</source>
            <translation>%1 cookie(s) partitionné(s) omis : cookies.txt n’a pas de place pour la partition</translation>
        </message>
        <message>
            <source>cookies export: --json and --netscape exclude each other</source>
            <translation>cookies export : --json et --netscape s’excluent</translation>
        </message>
        <message>
            <source>cookies needs list, export, remove or keep</source>
            <translation>cookies attend list, export, remove ou keep</translation>
        </message>
        <message>
            <source>None of the %1 cookies could be decrypted (their key is not available); nothing was exported.</source>
            <translation>Aucun des %1 cookies n’a pu être déchiffré (leur clé n’est pas disponible) ; rien n’a été exporté.</translation>
        </message>
        <message>
            <source>The keep-list could not be saved.</source>
            <translation>La liste des sites conservés n’a pas pu être enregistrée.</translation>
        </message>
        <message>
            <source>The settings file could not be written.</source>
            <translation>Le fichier de réglages n’a pas pu être écrit.</translation>
        </message>
        <message>
            <source>Close the browser first to be sure they are gone.</source>
            <translation>Fermez d’abord le navigateur pour être sûr qu’ils disparaissent.</translation>
        </message>
        <message>
            <source>Nothing was removed.</source>
            <translation>Rien n’a été supprimé.</translation>
        </message>
        <message>
            <source>Every cookie chosen belongs to a kept site.</source>
            <translation>Chaque cookie choisi appartient à un site conservé.</translation>
        </message>
        <message>
            <source>%1 of them are partitioned (kept for one top-level site), which cookies.txt can't say.</source>
            <translation>%1 d’entre eux sont partitionnés (gardés pour un seul site de premier niveau), ce que cookies.txt ne sait pas dire.</translation>
        </message>
        <message>
            <source>Kept</source>
            <translation>Conservé</translation>
        </message>
        <message>
            <source>By Site</source>
            <translation>Par site</translation>
        </message>
        <message>
            <source>All sites</source>
            <translation>Tous les sites</translation>
        </message>
        <message>
            <source>Kept sites</source>
            <translation>Sites conservés</translation>
        </message>
        <message>
            <source>Sites not kept</source>
            <translation>Sites non conservés</translation>
        </message>
        <message>
            <source>Select All of This Site</source>
            <translation>Tout sélectionner de ce site</translation>
        </message>
        <message>
            <source>Keep Site</source>
            <translation>Conserver le site</translation>
        </message>
        <message>
            <source>Export as JSON</source>
            <translation>Exporter en JSON</translation>
        </message>
        <message>
            <source>Remove Selected</source>
            <translation>Supprimer la sélection</translation>
        </message>
        <message>
            <source>Don't Keep Site</source>
            <translation>Ne plus conserver le site</translation>
        </message>
        <message>
            <source>Remove %1 Selected</source>
            <translation>Supprimer les %1 sélectionnés</translation>
        </message>
        <message>
            <source>%1 is running. A running browser keeps its cookies in memory and writes them back, so the removed cookies would come back: close it first.</source>
            <translation>%1 est ouvert. Un navigateur ouvert garde ses cookies en mémoire et les réécrit, les cookies supprimés reviendraient donc : fermez-le d’abord.</translation>
        </message>
        <message>
            <source>(no host)</source>
            <translation>(pas d’hôte)</translation>
        </message>
        <message>
            <source>%1 on %2</source>
            <translation>%1 sur %2</translation>
        </message>
        <message>
            <source>Site</source>
            <translation>Site</translation>
        </message>
        <message>
            <source>Latest expiry</source>
            <translation>Dernière expiration</translation>
        </message>
        <message>
            <source>Remove %1 cookie(s) of %2 site(s)?</source>
            <translation>Supprimer %1 cookie(s) de %2 site(s) ?</translation>
        </message>
        <message>
            <source>%1 cookie(s) of kept sites stay.</source>
            <translation>%1 cookie(s) de sites conservés restent.</translation>
        </message>
        <message>
            <source>Not text: bytes that are not UTF-8 are shown as \xNN, a backslash as \\.</source>
            <translation>Pas du texte : les octets qui ne sont pas de l’UTF-8 sont montrés comme \xNN, une barre oblique inverse comme \\.</translation>
        </message>
        <message>
            <source>Sent only when the page's top-level site is %1.</source>
            <translation>Envoyé seulement quand le site de premier niveau de la page est %1.</translation>
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
