<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>Select all</source>
        <translation>Tout sélectionner</translation>
    </message>
</context>
<context>
    <name>BackupEntriesDialog</name>
    <message>
        <source>Send files from a backup</source>
        <translation>Envoyer des fichiers d&apos;une sauvegarde</translation>
    </message>
    <message>
        <source>No file was chosen</source>
        <translation>Aucun fichier n&apos;a été choisi</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>Tous les fichiers</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Envoyer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>BackupFlow</name>
    <message>
        <source>Calculator is not connected</source>
        <translation>La calculatrice n&apos;est pas connectée</translation>
    </message>
    <message>
        <source>Save backup file</source>
        <translation>Enregistrer le fichier de sauvegarde</translation>
    </message>
    <message>
        <source>UlvoCalc backup files (*.ubk)</source>
        <translation>Fichiers de sauvegarde UlvoCalc (*.ubk)</translation>
    </message>
    <message>
        <source>Empty file name</source>
        <translation>Nom de fichier vide</translation>
    </message>
    <message>
        <source>Error: Can&apos;t save backup on the path: %1 (the backup stays in %2)</source>
        <translation>Erreur&#xa0;: impossible d&apos;enregistrer la sauvegarde dans le chemin&#xa0;: %1 (la sauvegarde reste dans %2)</translation>
    </message>
    <message>
        <source>Backup saved on the path: %1</source>
        <translation>Sauvegarde enregistrée dans le chemin&#xa0;: %1</translation>
    </message>
    <message>
        <source>Please choose backup file location</source>
        <translation>Veuillez choisir l&apos;emplacement du fichier de sauvegarde</translation>
    </message>
    <message>
        <source>Ulvo Calc backup files (*.ubk)</source>
        <translation>Fichiers de sauvegarde Ulvo Calc (*.ubk)</translation>
    </message>
    <message numerus="yes">
        <source>Restoring erases every file on %n calculators and replaces them with the backup. Continue?</source>
        <translation>
            <numerusform>La restauration efface tous les fichiers de %n calculatrice et les remplace par la sauvegarde. Continuer&#xa0;?</numerusform>
            <numerusform>La restauration efface tous les fichiers de %n calculatrices et les remplace par la sauvegarde. Continuer&#xa0;?</numerusform>
        </translation>
    </message>
    <message>
        <source>Sending backup files was cancelled</source>
        <translation>L&apos;envoi des fichiers de sauvegarde a été annulé</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Restaurer</translation>
    </message>
    <message>
        <source>Please choose a folder for the backups</source>
        <translation>Veuillez choisir un dossier pour les sauvegardes</translation>
    </message>
    <message>
        <source>Backup was cancelled</source>
        <translation>La sauvegarde a été annulée</translation>
    </message>
</context>
<context>
    <name>CalcPanel</name>
    <message>
        <source>Calculator list</source>
        <translation>Liste des calculatrices</translation>
    </message>
    <message>
        <source>Calculator list scroll bar</source>
        <translation>Barre de défilement de la liste des calculatrices</translation>
    </message>
    <message>
        <source>Calculators</source>
        <translation>Calculatrices</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>A calculator&apos;s name, then the result of its last operation.</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1 progress</source>
        <comment>a calculator&apos;s progress bar</comment>
        <translation>Progression de %1</translation>
    </message>
</context>
<context>
    <name>ChangeNameDialog</name>
    <message>
        <source>Enter a new device name:</source>
        <translation>Saisissez un nouveau nom d&apos;appareil&#xa0;:</translation>
    </message>
    <message>
        <source>Enter a new device name</source>
        <translation>Saisir un nouveau nom d&apos;appareil</translation>
    </message>
</context>
<context>
    <name>DeleteFlow</name>
    <message>
        <source>No files selected for deleting</source>
        <translation>Aucun fichier sélectionné à supprimer</translation>
    </message>
    <message numerus="yes">
        <source>Do you want to delete next files on %n calculators:
%1?</source>
        <extracomment>%1: the files&apos; names, one a line</extracomment>
        <translation>
            <numerusform>Voulez-vous supprimer les fichiers suivants sur %n calculatrice&#xa0;:
%1&#xa0;?</numerusform>
            <numerusform>Voulez-vous supprimer les fichiers suivants sur %n calculatrices&#xa0;:
%1&#xa0;?</numerusform>
        </translation>
    </message>
    <message>
        <source>Do you want to delete next files:
%1?</source>
        <extracomment>%1: the files&apos; names, one a line</extracomment>
        <translation>Voulez-vous supprimer les fichiers suivants&#xa0;:
%1&#xa0;?</translation>
    </message>
    <message>
        <source>Deleting</source>
        <translation>Suppression</translation>
    </message>
</context>
<context>
    <name>DownloadFlow</name>
    <message>
        <source>No files selected for downloading</source>
        <translation>Aucun fichier sélectionné à télécharger</translation>
    </message>
    <message>
        <source>File %1 already exists on your PC.
Do you want to replace it?</source>
        <translation>Le fichier %1 existe déjà sur votre ordinateur.
Voulez-vous le remplacer&#xa0;?</translation>
    </message>
    <message>
        <source>Please choose a folder to save files</source>
        <translation>Veuillez choisir un dossier où enregistrer les fichiers</translation>
    </message>
    <message>
        <source>Downloading files was cancelled</source>
        <translation>Le téléchargement des fichiers a été annulé</translation>
    </message>
    <message>
        <source>File collision</source>
        <translation>Conflit de fichiers</translation>
    </message>
</context>
<context>
    <name>Editor</name>
    <message>
        <source>UlvoBasic files (*.ucb)</source>
        <translation>Fichiers UlvoBasic (*.ucb)</translation>
    </message>
    <message>
        <source>Plain text (*.txt)</source>
        <translation>Texte brut (*.txt)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>UlvoBasic Editor: %1</source>
        <extracomment>%1: the file&apos;s name, with a &quot;*&quot; after it while it has unsaved changes</extracomment>
        <translation>Éditeur UlvoBasic&#xa0;: %1</translation>
    </message>
    <message>
        <source>File successfully opened</source>
        <translation>Fichier ouvert avec succès</translation>
    </message>
    <message>
        <source>Empty file name</source>
        <translation>Nom de fichier vide</translation>
    </message>
    <message>
        <source>Error: file name must contain only numbers and latin letters</source>
        <translation>Erreur&#xa0;: le nom de fichier ne doit contenir que des chiffres et des lettres latines</translation>
    </message>
    <message>
        <source>Sending file %1...</source>
        <translation>Envoi du fichier %1...</translation>
    </message>
    <message>
        <source>File %1 already exists on your calculator.
Do you want to replace it?</source>
        <translation>Le fichier %1 existe déjà sur votre calculatrice.
Voulez-vous le remplacer&#xa0;?</translation>
    </message>
    <message>
        <source>UlvoBasic editor ready</source>
        <translation>Éditeur UlvoBasic prêt</translation>
    </message>
    <message>
        <source>Close UlvoBasic editor</source>
        <translation>Fermer l&apos;éditeur UlvoBasic</translation>
    </message>
    <message>
        <source>Open program from computer</source>
        <translation>Ouvrir un programme depuis l&apos;ordinateur</translation>
    </message>
    <message>
        <source>Save program on computer</source>
        <translation>Enregistrer le programme sur l&apos;ordinateur</translation>
    </message>
    <message>
        <source>Send program to device</source>
        <translation>Envoyer le programme à l&apos;appareil</translation>
    </message>
    <message>
        <source>UlvoBasic Functions</source>
        <translation>Fonctions UlvoBasic</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Couper</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Coller</translation>
    </message>
    <message>
        <source>Open program</source>
        <translation>Ouvrir un programme</translation>
    </message>
    <message>
        <source>Save program</source>
        <translation>Enregistrer le programme</translation>
    </message>
    <message>
        <source>Send program</source>
        <translation>Envoyer le programme</translation>
    </message>
    <message>
        <source>Set file name: </source>
        <translation>Nom du fichier&#xa0;: </translation>
    </message>
    <message>
        <source>File name</source>
        <translation>Nom du fichier</translation>
    </message>
    <message>
        <source>File collision</source>
        <translation>Conflit de fichiers</translation>
    </message>
    <message>
        <source>Canceling saving file %1</source>
        <translation>Annulation de l&apos;enregistrement du fichier %1</translation>
    </message>
    <message>
        <source>Open?</source>
        <translation>Ouvrir&#xa0;?</translation>
    </message>
    <message>
        <source>Do you want to open another program without saving?</source>
        <translation>Voulez-vous ouvrir un autre programme sans enregistrer&#xa0;?</translation>
    </message>
    <message>
        <source>Go to line</source>
        <translation>Aller à la ligne</translation>
    </message>
    <message>
        <source>Line (1-%1): </source>
        <translation>Ligne (1-%1)&#xa0;: </translation>
    </message>
    <message>
        <source>Quit?</source>
        <translation>Quitter&#xa0;?</translation>
    </message>
    <message>
        <source>Do you want to quit without saving?</source>
        <translation>Voulez-vous quitter sans enregistrer&#xa0;?</translation>
    </message>
</context>
<context>
    <name>EditorFlow</name>
    <message>
        <source>No file selected for editing</source>
        <translation>Aucun fichier sélectionné à modifier</translation>
    </message>
    <message>
        <source>No calculator is connected</source>
        <translation>Aucune calculatrice n&apos;est connectée</translation>
    </message>
    <message>
        <source>Calculator is not connected</source>
        <translation>La calculatrice n&apos;est pas connectée</translation>
    </message>
    <message>
        <source>File successfully saved</source>
        <translation>Fichier enregistré avec succès</translation>
    </message>
    <message>
        <source>File successfully sent to the device</source>
        <translation>Fichier envoyé avec succès à l&apos;appareil</translation>
    </message>
    <message>
        <source>File was not sent: %1</source>
        <translation>Le fichier n&apos;a pas été envoyé&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>FileContextMenu</name>
    <message>
        <source>Download</source>
        <translation>Télécharger</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Envoyer</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Modifier</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nouveau</translation>
    </message>
</context>
<context>
    <name>FileTable</name>
    <message>
        <source>Files</source>
        <translation>Fichiers</translation>
    </message>
    <message>
        <source>Name</source>
        <comment>a file&apos;s name on the calculator</comment>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Size</source>
        <comment>a file&apos;s size in bytes</comment>
        <translation>Taille</translation>
    </message>
    <message>
        <source>File list scroll bar</source>
        <translation>Barre de défilement de la liste des fichiers</translation>
    </message>
    <message numerus="yes">
        <source>%1, %n bytes</source>
        <extracomment>A row of the file table: the file&apos;s name, then its size</extracomment>
        <translation>
            <numerusform>%1, %n octet</numerusform>
            <numerusform>%1, %n octets</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>FindBar</name>
    <message>
        <source>No matches</source>
        <translation>Aucune correspondance</translation>
    </message>
    <message numerus="yes">
        <source>%n matches</source>
        <translation>
            <numerusform>%n correspondance</numerusform>
            <numerusform>%n correspondances</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <extracomment>The match selected, of how many</extracomment>
        <translation>%1 sur %2</translation>
    </message>
    <message numerus="yes">
        <source>%n replaced</source>
        <comment>how many matches were replaced</comment>
        <translation>
            <numerusform>%n remplacement</numerusform>
            <numerusform>%n remplacements</numerusform>
        </translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Rechercher</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>Précédent</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Suivant</translation>
    </message>
    <message>
        <source>Match case</source>
        <translation>Respecter la casse</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Replace with</source>
        <translation>Remplacer par</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Remplacer</translation>
    </message>
    <message>
        <source>Replace all</source>
        <translation>Tout remplacer</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Tools</source>
        <translation>Outils</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>Files to send to each calculator plugged in</source>
        <translation>Fichiers à envoyer à chaque calculatrice branchée</translation>
    </message>
    <message>
        <source>Ulvo Calc files (*.ucb *.bin *.txt)</source>
        <translation>Fichiers Ulvo Calc (*.ucb *.bin *.txt)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Calculator is not connected</source>
        <translation>La calculatrice n&apos;est pas connectée</translation>
    </message>
    <message>
        <source>Collect selected files from the selected calculators</source>
        <translation>Collecter les fichiers sélectionnés des calculatrices sélectionnées</translation>
    </message>
    <message>
        <source>Download selected files from calculator to PC</source>
        <translation>Télécharger les fichiers sélectionnés de la calculatrice vers l&apos;ordinateur</translation>
    </message>
    <message>
        <source>Send files to calculator from PC</source>
        <translation>Envoyer des fichiers de l&apos;ordinateur à la calculatrice</translation>
    </message>
    <message>
        <source>Delete selected files</source>
        <translation>Supprimer les fichiers sélectionnés</translation>
    </message>
    <message>
        <source>Edit UlvoBasic program file</source>
        <translation>Modifier un fichier de programme UlvoBasic</translation>
    </message>
    <message>
        <source>Create new UlvoBasic program file</source>
        <translation>Créer un nouveau fichier de programme UlvoBasic</translation>
    </message>
    <message>
        <source>Create UlvoCalc backup</source>
        <translation>Créer une sauvegarde UlvoCalc</translation>
    </message>
    <message>
        <source>Restore UlvoCalc backup</source>
        <translation>Restaurer une sauvegarde UlvoCalc</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Cancel on every calculator</source>
        <translation>Annuler sur chaque calculatrice</translation>
    </message>
    <message>
        <source>Busy</source>
        <translation>Occupé</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
</context>
<context>
    <name>OperationProgress</name>
    <message>
        <source>The calculator&apos;s files have been cleared: the restore can no longer be stopped</source>
        <translation>Les fichiers de la calculatrice ont été effacés&#xa0;: la restauration ne peut plus être arrêtée</translation>
    </message>
    <message>
        <source>The calculator cannot stop a file while it is being sent</source>
        <translation>La calculatrice ne peut pas arrêter un fichier pendant son envoi</translation>
    </message>
</context>
<context>
    <name>OptionsMenu</name>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Change device name</source>
        <translation>Changer le nom de l&apos;appareil</translation>
    </message>
    <message>
        <source>Safety copies…</source>
        <translation>Copies de sécurité…</translation>
    </message>
    <message>
        <source>Send files from a backup…</source>
        <translation>Envoyer des fichiers d&apos;une sauvegarde…</translation>
    </message>
    <message>
        <source>Send to each calculator plugged in…</source>
        <translation>Envoyer à chaque calculatrice branchée…</translation>
    </message>
    <message>
        <source>Close program</source>
        <translation>Fermer le programme</translation>
    </message>
</context>
<context>
    <name>ProgressParts</name>
    <message>
        <source>Operation progress</source>
        <translation>Progression de l&apos;opération</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>SafetyCopiesDialog</name>
    <message>
        <source>Safety copies</source>
        <translation>Copies de sécurité</translation>
    </message>
    <message>
        <source>No safety copies yet. A copy is kept before every delete and restore.</source>
        <translation>Aucune copie de sécurité pour l&apos;instant. Une copie est conservée avant chaque suppression et restauration.</translation>
    </message>
    <message>
        <source>Date</source>
        <extracomment>Column headings of the safety copies</extracomment>
        <translation>Date</translation>
    </message>
    <message>
        <source>Calculator</source>
        <translation>Calculatrice</translation>
    </message>
    <message>
        <source>Kind</source>
        <comment>delete or restore</comment>
        <translation>Type</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Fichiers</translation>
    </message>
    <message>
        <source>Size</source>
        <comment>a safety copy&apos;s size</comment>
        <translation>Taille</translation>
    </message>
    <message>
        <source>Send back to %1</source>
        <translation>Renvoyer à %1</translation>
    </message>
    <message>
        <source>Send back</source>
        <translation>Renvoyer</translation>
    </message>
    <message>
        <source>Send to selected calculator</source>
        <translation>Envoyer à la calculatrice sélectionnée</translation>
    </message>
    <message>
        <source>Open folder</source>
        <translation>Ouvrir le dossier</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>SafetyFlow</name>
    <message>
        <source>Calculator is not connected</source>
        <translation>La calculatrice n&apos;est pas connectée</translation>
    </message>
    <message>
        <source>Do you want to restore the safety copy of %1 taken on %2?
Every file on the calculator %3 is erased first.</source>
        <translation>Voulez-vous restaurer la copie de sécurité de %1 prise le %2&#xa0;?
Tous les fichiers de la calculatrice %3 sont d&apos;abord effacés.</translation>
    </message>
    <message>
        <source>Restoring</source>
        <translation>Restauration</translation>
    </message>
    <message>
        <source>Please choose a backup file</source>
        <translation>Veuillez choisir un fichier de sauvegarde</translation>
    </message>
    <message>
        <source>Ulvo Calc backup files (*.ubk)</source>
        <translation>Fichiers de sauvegarde Ulvo Calc (*.ubk)</translation>
    </message>
</context>
<context>
    <name>SendFlow</name>
    <message>
        <source>Calculator is not connected</source>
        <translation>La calculatrice n&apos;est pas connectée</translation>
    </message>
    <message>
        <source>The file name %1 exceeds the allowed limit of %2 symbols for a file name and %3 symbols for an extension and will be changed to %4</source>
        <translation>Le nom de fichier %1 dépasse la limite autorisée de %2 caractères pour un nom de fichier et de %3 caractères pour une extension et sera changé en %4</translation>
    </message>
    <message>
        <source>File %1 is empty and won&apos;t be sent to the calculator.</source>
        <translation>Le fichier %1 est vide et ne sera pas envoyé à la calculatrice.</translation>
    </message>
    <message>
        <source>Please choose files</source>
        <translation>Veuillez choisir des fichiers</translation>
    </message>
    <message>
        <source>Ulvo Calc files (*.ucb *.bin *.txt)</source>
        <translation>Fichiers Ulvo Calc (*.ucb *.bin *.txt)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Sending files was cancelled</source>
        <translation>L&apos;envoi des fichiers a été annulé</translation>
    </message>
    <message>
        <source>File collision</source>
        <translation>Conflit de fichiers</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Avertissement</translation>
    </message>
    <message>
        <source>Send zero-length file</source>
        <translation>Envoyer un fichier vide</translation>
    </message>
</context>
<context>
    <name>StationBar</name>
    <message>
        <source>Station: %1</source>
        <translation>Poste d&apos;envoi&#xa0;: %1</translation>
    </message>
    <message>
        <source>Sending %1 to each calculator plugged in — %2 done, %3 failed</source>
        <extracomment>%1: the files&apos; names; %2, %3: how many calculators have got them and how many have failed</extracomment>
        <translation>Envoi de %1 à chaque calculatrice branchée — %2 terminé(s), %3 en échec</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>Stop sending to each calculator plugged in</source>
        <translation>Arrêter l&apos;envoi à chaque calculatrice branchée</translation>
    </message>
</context>
</TS>
