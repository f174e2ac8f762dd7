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
    <name>BackupArchiveCheck</name>
    <message>
        <source>entry %1 has no name</source>
        <translation>l&apos;entrée %1 n&apos;a pas de nom</translation>
    </message>
    <message>
        <source>entry %1 has a name that is not UTF-8</source>
        <translation>l&apos;entrée %1 a un nom qui n&apos;est pas en UTF-8</translation>
    </message>
    <message>
        <source>entry %1 has a name longer than %2 bytes</source>
        <translation>l&apos;entrée %1 a un nom de plus de %2 octets</translation>
    </message>
    <message>
        <source>entry %1 has a name that is not a calculator file name: %2</source>
        <translation>l&apos;entrée %1 a un nom qui n&apos;est pas un nom de fichier de calculatrice&#xa0;: %2</translation>
    </message>
    <message>
        <source>entry %1 has a control character in its name: %2</source>
        <translation>l&apos;entrée %1 a un caractère de contrôle dans son nom&#xa0;: %2</translation>
    </message>
    <message>
        <source>no file in the archive</source>
        <translation>aucun fichier dans l&apos;archive</translation>
    </message>
    <message>
        <source>more than %1 files</source>
        <translation>plus de %1 fichiers</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>an entry&apos;s name, then why it cannot be read</comment>
        <translation>%1&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>BackupEntries</name>
    <message>
        <source>Invalid backup file: %1 (%2)</source>
        <extracomment>%1 is the archive&apos;s path, %2 what is wrong with it.</extracomment>
        <translation>Fichier de sauvegarde non valide&#xa0;: %1 (%2)</translation>
    </message>
    <message>
        <source>Not in the backup %1: %2</source>
        <translation>Absent de la sauvegarde %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>entry %1 is no plain file name</source>
        <translation>l&apos;entrée %1 n&apos;est pas un simple nom de fichier</translation>
    </message>
    <message>
        <source>Can&apos;t write file: %1</source>
        <translation>Impossible d&apos;écrire le fichier&#xa0;: %1</translation>
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
    <name>BackupListCollector</name>
    <message>
        <source>Can&apos;t back up file, its name can&apos;t be read: %1</source>
        <translation>Impossible de sauvegarder le fichier, son nom est illisible&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>CUlvoCalc</name>
    <message>
        <source>Can&apos;t create backup file in the temporary folder %1</source>
        <translation>Impossible de créer le fichier de sauvegarde dans le dossier temporaire %1</translation>
    </message>
    <message>
        <source>Invalid backup file: %1 (%2)</source>
        <translation>Fichier de sauvegarde non valide&#xa0;: %1 (%2)</translation>
    </message>
    <message>
        <source>Can&apos;t read backup file: %1</source>
        <translation>Impossible de lire le fichier de sauvegarde&#xa0;: %1</translation>
    </message>
    <message>
        <source>Can&apos;t read file: %1</source>
        <translation>Impossible de lire le fichier&#xa0;: %1</translation>
    </message>
    <message>
        <source>File is too large: %1</source>
        <translation>Fichier trop volumineux&#xa0;: %1</translation>
    </message>
    <message>
        <source>Can&apos;t write file: %1</source>
        <translation>Impossible d&apos;écrire le fichier&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>CUlvoCalcSession</name>
    <message>
        <source>%1 (connecting...)</source>
        <extracomment>A calculator&apos;s row while the first contact with it runs; %1 is its port name.</extracomment>
        <translation>%1 (connexion...)</translation>
    </message>
    <message>
        <source>File not shown, its name can&apos;t be read: %1</source>
        <translation>Fichier non affiché, son nom est illisible&#xa0;: %1</translation>
    </message>
    <message>
        <source>Cancelling...</source>
        <translation>Annulation...</translation>
    </message>
    <message>
        <source>Files successfully download on path: %1/</source>
        <translation>Fichiers téléchargés avec succès dans&#xa0;: %1/</translation>
    </message>
    <message>
        <source>Files successfully deleted</source>
        <extracomment>Said of a file that the calculator did not delete, after its name and a colon.</extracomment>
        <translation>Fichiers supprimés avec succès</translation>
    </message>
    <message>
        <source>not deleted</source>
        <translation>non supprimé</translation>
    </message>
    <message>
        <source>Backup successfully sent to calculator</source>
        <translation>Sauvegarde envoyée avec succès à la calculatrice</translation>
    </message>
    <message>
        <source>Calculator name successfully changed</source>
        <translation>Nom de la calculatrice modifié avec succès</translation>
    </message>
    <message>
        <source>%1

Copyright (C) Ulvo Instruments. All rights reserved.

The content of this program, its documents, images and code font included, is provided for use with Ulvo graphing calculators only.

No part of this content may be copied, changed or passed on without the written permission of Ulvo Instruments.</source>
        <extracomment>The About box; %1 is the program&apos;s name and version.</extracomment>
        <translation>%1

Copyright (C) Ulvo Instruments. Tous droits réservés.

Le contenu de ce programme, y compris ses documents, ses images et sa police de code, est destiné exclusivement aux calculatrices graphiques Ulvo.

Aucune partie de ce contenu ne peut être copiée, modifiée ou transmise sans l&apos;autorisation écrite d&apos;Ulvo Instruments.</translation>
    </message>
    <message>
        <source>Error: %1</source>
        <extracomment>The status line after a failure; %1 says what went wrong.</extracomment>
        <translation>Erreur&#xa0;: %1</translation>
    </message>
    <message>
        <source>Calculator is busy: wait until the current operation ends</source>
        <translation>La calculatrice est occupée&#xa0;: attendez la fin de l&apos;opération en cours</translation>
    </message>
    <message>
        <source>Files successful sent to calculator</source>
        <translation>Fichiers envoyés avec succès à la calculatrice</translation>
    </message>
    <message>
        <source>not sent</source>
        <extracomment>Said of a file that did not reach the calculator, after its name and a colon.</extracomment>
        <translation>non envoyé</translation>
    </message>
    <message>
        <source>None of the selected calculators has these files</source>
        <translation>Aucune des calculatrices sélectionnées n&apos;a ces fichiers</translation>
    </message>
    <message>
        <source>File %1 already exists on your calculator.
Do you want to replace it?</source>
        <translation>Le fichier %1 existe déjà sur votre calculatrice.
Voulez-vous le remplacer&#xa0;?</translation>
    </message>
    <message numerus="yes">
        <source>%1 already exists on %2 of %n calculators. Replace it there?</source>
        <extracomment>%1 is a file name; %2 of the %n selected calculators hold a file of that name.</extracomment>
        <translation>
            <numerusform>%1 existe déjà sur %2 de %n calculatrice. Le remplacer sur celle-ci&#xa0;?</numerusform>
            <numerusform>%1 existe déjà sur %2 des %n calculatrices. Le remplacer sur celles-ci&#xa0;?</numerusform>
        </translation>
    </message>
    <message>
        <source>Can&apos;t create folder: %1</source>
        <translation>Impossible de créer le dossier&#xa0;: %1</translation>
    </message>
    <message>
        <source>Error: No such folder: %1</source>
        <translation>Erreur&#xa0;: dossier introuvable&#xa0;: %1</translation>
    </message>
    <message>
        <source>Backup not saved: %1</source>
        <translation>Sauvegarde non enregistrée&#xa0;: %1</translation>
    </message>
    <message>
        <source>Backup saved: %1</source>
        <translation>Sauvegarde enregistrée&#xa0;: %1</translation>
    </message>
    <message>
        <source>File information error</source>
        <translation>Erreur dans les informations du fichier</translation>
    </message>
    <message>
        <source>File type error. Please select UlvoBasic program file</source>
        <translation>Type de fichier incorrect. Veuillez sélectionner un fichier programme UlvoBasic</translation>
    </message>
    <message>
        <source>Calculator for sending the file is not selected</source>
        <translation>Aucune calculatrice n&apos;est sélectionnée pour envoyer le fichier</translation>
    </message>
    <message>
        <source>File &apos;%1&apos; successfully sent</source>
        <translation>Fichier &apos;%1&apos; envoyé avec succès</translation>
    </message>
    <message>
        <source>Error: Can&apos;t save file: %1</source>
        <translation>Erreur&#xa0;: impossible d&apos;enregistrer le fichier&#xa0;: %1</translation>
    </message>
    <message>
        <source>Error: Can&apos;t open file: %1</source>
        <translation>Erreur&#xa0;: impossible d&apos;ouvrir le fichier&#xa0;: %1</translation>
    </message>
    <message>
        <source>Error: File is larger than 1 MiB: %1</source>
        <translation>Erreur&#xa0;: le fichier dépasse 1&#xa0;Mio&#xa0;: %1</translation>
    </message>
    <message>
        <source>%1; safety copy saved on the path: %2</source>
        <extracomment>A delete&apos;s or restore&apos;s success text (%1), then where the safety copy was kept (%2).</extracomment>
        <translation>%1&#xa0;; copie de sécurité enregistrée dans&#xa0;: %2</translation>
    </message>
    <message>
        <source>Can&apos;t create a temporary folder</source>
        <translation>Impossible de créer un dossier temporaire</translation>
    </message>
    <message>
        <source>No file to send: the station was not started</source>
        <translation>Aucun fichier à envoyer&#xa0;: le poste d&apos;envoi n&apos;a pas été démarré</translation>
    </message>
    <message>
        <source>Waiting for calculators to be plugged in</source>
        <translation>En attente du branchement de calculatrices</translation>
    </message>
    <message numerus="yes">
        <source>Station stopped: sent to %n calculators, %1 failed</source>
        <extracomment>%n calculators were served, %1 of the station&apos;s sends failed.</extracomment>
        <translation>
            <numerusform>Poste d&apos;envoi arrêté&#xa0;: envoyé à %n calculatrice, en échec&#xa0;: %1</numerusform>
            <numerusform>Poste d&apos;envoi arrêté&#xa0;: envoyé à %n calculatrices, en échec&#xa0;: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Sent to %1</source>
        <extracomment>%1 is the calculator&apos;s name.</extracomment>
        <translation>Envoyé à %1</translation>
    </message>
    <message>
        <source>Error: %1: %2</source>
        <extracomment>%1 is the calculator&apos;s name, %2 what went wrong.</extracomment>
        <translation>Erreur&#xa0;: %1&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>CUlvoWorker</name>
    <message>
        <source>No safety copy could be made, so nothing was deleted: %1</source>
        <extracomment>%1 says why the safety copy failed.</extracomment>
        <translation>Aucune copie de sécurité n&apos;a pu être faite, rien n&apos;a donc été supprimé&#xa0;: %1</translation>
    </message>
    <message>
        <source>Calculator name was not changed</source>
        <translation>Le nom de la calculatrice n&apos;a pas été modifié</translation>
    </message>
    <message>
        <source>No safety copy could be made, so the restore did not start: %1</source>
        <extracomment>%1 says why the safety copy failed.</extracomment>
        <translation>Aucune copie de sécurité n&apos;a pu être faite, la restauration n&apos;a donc pas commencé&#xa0;: %1</translation>
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
    <name>CalcSelector</name>
    <message>
        <source>No calculator is attached</source>
        <translation>Aucune calculatrice n&apos;est branchée</translation>
    </message>
    <message>
        <source>%1 calculators are attached; choose one with --calc:%2</source>
        <translation>%1 calculatrices sont branchées&#xa0;; choisissez-en une avec --calc&#xa0;:%2</translation>
    </message>
    <message>
        <source>No attached calculator is called or connected at %1; attached:%2</source>
        <translation>Aucune calculatrice branchée ne s&apos;appelle %1 ni n&apos;est branchée sur ce port&#xa0;; branchées&#xa0;:%2</translation>
    </message>
    <message>
        <source>%1 calculators are called %2; choose one by its port:%3</source>
        <translation>%1 calculatrices s&apos;appellent %2&#xa0;; choisissez-en une par son port&#xa0;:%3</translation>
    </message>
</context>
<context>
    <name>CalcTasks</name>
    <message>
        <source>%1: File doesn’t exist.</source>
        <translation>%1&#xa0;: le fichier n’existe pas.</translation>
    </message>
    <message>
        <source>Safety copy saved on the path: %1</source>
        <translation>Copie de sécurité enregistrée dans&#xa0;: %1</translation>
    </message>
    <message>
        <source>File %1 already exists in %2 (use --force to replace it)</source>
        <translation>Le fichier %1 existe déjà dans %2 (utilisez --force pour le remplacer)</translation>
    </message>
    <message>
        <source>%1: not downloaded</source>
        <translation>%1&#xa0;: non téléchargé</translation>
    </message>
    <message numerus="yes">
        <source>Downloaded %n file(s)</source>
        <translation>
            <numerusform>%n fichier téléchargé</numerusform>
            <numerusform>%n fichiers téléchargés</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Downloaded %1 of %n file(s)</source>
        <translation>
            <numerusform>%1 fichier sur %n téléchargé</numerusform>
            <numerusform>%1 fichiers sur %n téléchargés</numerusform>
        </translation>
    </message>
    <message>
        <source>File %1 already exists on the calculator (use --force to replace it)</source>
        <translation>Le fichier %1 existe déjà sur la calculatrice (utilisez --force pour le remplacer)</translation>
    </message>
    <message>
        <source>%1: another file of this command is sent as %2 (use --force to send this one instead)</source>
        <translation>%1&#xa0;: un autre fichier de cette commande est envoyé sous le nom %2 (utilisez --force pour envoyer celui-ci à sa place)</translation>
    </message>
    <message>
        <source>%1: not sent</source>
        <translation>%1&#xa0;: non envoyé</translation>
    </message>
    <message numerus="yes">
        <source>Sent %n file(s)</source>
        <translation>
            <numerusform>%n fichier envoyé</numerusform>
            <numerusform>%n fichiers envoyés</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Sent %1 of %n file(s)</source>
        <translation>
            <numerusform>%1 fichier sur %n envoyé</numerusform>
            <numerusform>%1 fichiers sur %n envoyés</numerusform>
        </translation>
    </message>
    <message>
        <source>No safety copy could be made, so nothing was deleted: %1</source>
        <translation>Aucune copie de sécurité n&apos;a pu être faite, rien n&apos;a donc été supprimé&#xa0;: %1</translation>
    </message>
    <message>
        <source>%1: not deleted</source>
        <translation>%1&#xa0;: non supprimé</translation>
    </message>
    <message numerus="yes">
        <source>Deleted %n file(s)</source>
        <translation>
            <numerusform>%n fichier supprimé</numerusform>
            <numerusform>%n fichiers supprimés</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Deleted %1 of %n file(s)</source>
        <translation>
            <numerusform>%1 fichier sur %n supprimé</numerusform>
            <numerusform>%1 fichiers sur %n supprimés</numerusform>
        </translation>
    </message>
    <message>
        <source>The calculator kept its name %1</source>
        <translation>La calculatrice a gardé son nom %1</translation>
    </message>
    <message>
        <source>Renamed %1 to %2</source>
        <translation>%1 renommée en %2</translation>
    </message>
    <message>
        <source>backup</source>
        <extracomment>Stands where a file&apos;s name would, while a whole calculator is read into an archive.</extracomment>
        <translation>sauvegarde</translation>
    </message>
    <message>
        <source>Can&apos;t write backup file</source>
        <translation>Impossible d&apos;écrire le fichier de sauvegarde</translation>
    </message>
    <message>
        <source>Nothing to back up: the calculator has no files</source>
        <translation>Rien à sauvegarder&#xa0;: la calculatrice n&apos;a aucun fichier</translation>
    </message>
    <message>
        <source>Can&apos;t save backup on the path: %1</source>
        <translation>Impossible d&apos;enregistrer la sauvegarde dans&#xa0;: %1</translation>
    </message>
    <message>
        <source>Backup saved on the path: %1</source>
        <translation>Sauvegarde enregistrée dans&#xa0;: %1</translation>
    </message>
    <message>
        <source>safety copy</source>
        <extracomment>Stands where a file&apos;s name would, while the calculator&apos;s files are copied before a restore.</extracomment>
        <translation>copie de sécurité</translation>
    </message>
    <message>
        <source>No safety copy could be made, so the restore did not start: %1</source>
        <translation>Aucune copie de sécurité n&apos;a pu être faite, la restauration n&apos;a donc pas commencé&#xa0;: %1</translation>
    </message>
    <message>
        <source>restore</source>
        <extracomment>Stands where a file&apos;s name would, while an archive is written to the calculator.</extracomment>
        <translation>restauration</translation>
    </message>
    <message numerus="yes">
        <source>Backup successfully sent to calculator (%n file(s))</source>
        <translation>
            <numerusform>Sauvegarde envoyée à la calculatrice (%n fichier)</numerusform>
            <numerusform>Sauvegarde envoyée à la calculatrice (%n fichiers)</numerusform>
        </translation>
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
    <name>ClassOperation</name>
    <message numerus="yes">
        <source>Sending to %n calculators: %1 ended, %2 failed</source>
        <translation>
            <numerusform>Envoi vers %n calculatrice (terminées&#xa0;: %1, en échec&#xa0;: %2)</numerusform>
            <numerusform>Envoi vers %n calculatrices (terminées&#xa0;: %1, en échec&#xa0;: %2)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Collecting from %n calculators: %1 ended, %2 failed</source>
        <translation>
            <numerusform>Collecte depuis %n calculatrice (terminées&#xa0;: %1, en échec&#xa0;: %2)</numerusform>
            <numerusform>Collecte depuis %n calculatrices (terminées&#xa0;: %1, en échec&#xa0;: %2)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Deleting on %n calculators: %1 ended, %2 failed</source>
        <translation>
            <numerusform>Suppression sur %n calculatrice (terminées&#xa0;: %1, en échec&#xa0;: %2)</numerusform>
            <numerusform>Suppression sur %n calculatrices (terminées&#xa0;: %1, en échec&#xa0;: %2)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Backing up %n calculators: %1 ended, %2 failed</source>
        <translation>
            <numerusform>Sauvegarde de %n calculatrice (terminées&#xa0;: %1, en échec&#xa0;: %2)</numerusform>
            <numerusform>Sauvegarde de %n calculatrices (terminées&#xa0;: %1, en échec&#xa0;: %2)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Restoring %n calculators: %1 ended, %2 failed</source>
        <translation>
            <numerusform>Restauration de %n calculatrice (terminées&#xa0;: %1, en échec&#xa0;: %2)</numerusform>
            <numerusform>Restauration de %n calculatrices (terminées&#xa0;: %1, en échec&#xa0;: %2)</numerusform>
        </translation>
    </message>
    <message>
        <source>not done</source>
        <translation>non effectué</translation>
    </message>
    <message numerus="yes">
        <source>Sent to %1 of %n calculators</source>
        <translation>
            <numerusform>Envoi réussi&#xa0;: %1 sur %n calculatrice</numerusform>
            <numerusform>Envoi réussi&#xa0;: %1 sur %n calculatrices</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Collected from %1 of %n calculators</source>
        <translation>
            <numerusform>Collecte réussie&#xa0;: %1 sur %n calculatrice</numerusform>
            <numerusform>Collecte réussie&#xa0;: %1 sur %n calculatrices</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Deleted on %1 of %n calculators</source>
        <translation>
            <numerusform>Suppression réussie&#xa0;: %1 sur %n calculatrice</numerusform>
            <numerusform>Suppression réussie&#xa0;: %1 sur %n calculatrices</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Backed up %1 of %n calculators</source>
        <translation>
            <numerusform>Sauvegarde réussie&#xa0;: %1 sur %n calculatrice</numerusform>
            <numerusform>Sauvegarde réussie&#xa0;: %1 sur %n calculatrices</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Restored %1 of %n calculators</source>
        <translation>
            <numerusform>Restauration réussie&#xa0;: %1 sur %n calculatrice</numerusform>
            <numerusform>Restauration réussie&#xa0;: %1 sur %n calculatrices</numerusform>
        </translation>
    </message>
    <message>
        <source>%1; %2 failed: %3</source>
        <extracomment>A class summary (%1), how many calculators failed (%2) and which, with why (%3).</extracomment>
        <translation>%1&#xa0;; en échec (%2)&#xa0;: %3</translation>
    </message>
</context>
<context>
    <name>CliCommand</name>
    <message>
        <source>%1: %2</source>
        <comment>what a line concerns (a program, port or calculator), then the text</comment>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Try &apos;%1 --help&apos; for more information.</source>
        <translation>Essayez &apos;%1 --help&apos; pour plus d&apos;informations.</translation>
    </message>
    <message>
        <source>Can&apos;t read file: %1</source>
        <translation>Impossible de lire le fichier&#xa0;: %1</translation>
    </message>
    <message>
        <source>%1: no calculator file name can be made from this name</source>
        <translation>%1&#xa0;: aucun nom de fichier de calculatrice ne peut être formé à partir de ce nom</translation>
    </message>
    <message>
        <source>%1: the file is empty; empty files are not sent</source>
        <translation>%1&#xa0;: le fichier est vide&#xa0;; les fichiers vides ne sont pas envoyés</translation>
    </message>
    <message>
        <source>No such folder: %1</source>
        <translation>Dossier introuvable&#xa0;: %1</translation>
    </message>
    <message>
        <source>Can&apos;t write into the folder: %1</source>
        <translation>Impossible d&apos;écrire dans le dossier&#xa0;: %1</translation>
    </message>
    <message>
        <source>PORT</source>
        <extracomment>Column headings of the table of attached calculators, upper case as a terminal table&apos;s.</extracomment>
        <translation>PORT</translation>
    </message>
    <message>
        <source>NAME</source>
        <translation>NOM</translation>
    </message>
    <message>
        <source>HARDWARE</source>
        <translation>MATÉRIEL</translation>
    </message>
    <message>
        <source>FIRMWARE</source>
        <translation>MICROLOGICIEL</translation>
    </message>
    <message>
        <source>PROTOCOL</source>
        <translation>PROTOCOLE</translation>
    </message>
    <message>
        <source>FILES</source>
        <translation>FICHIERS</translation>
    </message>
    <message>
        <source>(no answer)</source>
        <translation>(pas de réponse)</translation>
    </message>
    <message>
        <source>ok</source>
        <extracomment>A calculator&apos;s result line: &quot;ok&quot; or &quot;FAILED&quot;, then what was done.</extracomment>
        <translation>ok</translation>
    </message>
    <message>
        <source>FAILED</source>
        <translation>ÉCHEC</translation>
    </message>
    <message>
        <source>%1. %2</source>
        <comment>a result, then what was done</comment>
        <translation>%1. %2</translation>
    </message>
    <message>
        <source>No calculator is attached</source>
        <translation>Aucune calculatrice n&apos;est branchée</translation>
    </message>
    <message>
        <source>Can&apos;t create a temporary folder</source>
        <translation>Impossible de créer un dossier temporaire</translation>
    </message>
    <message>
        <source>No safety copies in %1</source>
        <translation>Aucune copie de sécurité dans %1</translation>
    </message>
    <message numerus="yes">
        <source>%1  %2  %3  %n files  %4 bytes  %5</source>
        <extracomment>A safety copy: date, calculator, kind, number of files, size in bytes, path.</extracomment>
        <translation>
            <numerusform>%1  %2  %3  %n fichier  %4 octets  %5</numerusform>
            <numerusform>%1  %2  %3  %n fichiers  %4 octets  %5</numerusform>
        </translation>
    </message>
    <message>
        <source>Invalid backup file: %1 (%2)</source>
        <translation>Fichier de sauvegarde non valide&#xa0;: %1 (%2)</translation>
    </message>
    <message>
        <source>File %1 already exists (use --force to replace it)</source>
        <translation>Le fichier %1 existe déjà (utilisez --force pour le remplacer)</translation>
    </message>
    <message>
        <source>Can&apos;t create folder: %1</source>
        <translation>Impossible de créer le dossier&#xa0;: %1</translation>
    </message>
    <message>
        <source>Waiting for calculators to be plugged in (Ctrl-C to stop)</source>
        <translation>En attente de calculatrices à brancher (Ctrl-C pour arrêter)</translation>
    </message>
</context>
<context>
    <name>CliOptionsText</name>
    <message>
        <source>Exchanges files with Ulvo graphing calculators attached by USB.

Commands:
  list                       The attached calculators: port, name, hardware,
                             firmware and protocol versions, number of files.
  ls                         The files of a calculator with their sizes.
  get NAME...                Download files into the current folder (or -o DIR).
                             Existing files are kept unless --force. With --all,
                             each calculator&apos;s files go into a folder of its own
                             named after it.
  put FILE...                Send files under their calculator names (each name
                             that has to change is printed). Files already on the
                             calculator are kept unless --force.
  put --from-backup ARCHIVE NAME...
                             Send the named entries of a backup archive, leaving
                             every other file on the calculator as it is.
  rm NAME...                 Delete files on the calculator, after keeping a
                             safety copy of them (see safety).
  rename NEWNAME             Give the calculator a new name (at most %1 characters).
  backup [FILE]              Save every file of the calculator into one archive;
                             by default NAME-YYYY-MM-DD.ubk in the current folder
                             (or -o DIR). The archive appears only when complete.
  restore FILE --yes         Erase the calculator and write the archive&apos;s files
                             to it. The archive is checked before anything is erased;
                             a safety copy of the calculator&apos;s files is kept first.
  safety                     The safety copies kept before rm and restore erased
                             files, newest first (--no-safety-copy keeps none).
  watch put FILE...          Send the files to each calculator plugged in from now
                             on, once per plug-in, one line each; those attached
                             already are left alone. Ends on Ctrl-C or after
                             --count N calculators; the exit status is 0 only when
                             every calculator served got every file.

Choosing a calculator: without --calc the only attached calculator is used; with
two or more, --calc SEL names one by its port (ttyACM0 or /dev/ttyACM0) or by its
name. get, put, rm, backup and restore take --all: every attached calculator at
the same time, one result line each.

Exit status: 0 success, 1 a failure reported by a calculator or the link (with
--all: by any calculator), 2 a usage error, 130 interrupted (Ctrl-C).</source>
        <extracomment>The tool&apos;s description in --help. Keep the command names, options and upper-case words (NAME, FILE, DIR) as they are, the columns aligned and every line within 80 characters.</extracomment>
        <translation>Échange des fichiers avec les calculatrices graphiques Ulvo branchées en USB.

Commandes&#xa0;:
  list                       Les calculatrices branchées&#xa0;: port, nom, versions
                             du matériel, du micrologiciel et du protocole,
                             nombre de fichiers.
  ls                         Les fichiers d&apos;une calculatrice avec leur taille.
  get NAME...                Télécharger des fichiers dans le dossier courant
                             (ou -o DIR). Les fichiers existants sont conservés
                             sauf avec --force. Avec --all, les fichiers de
                             chaque calculatrice vont dans un dossier à son nom.
  put FILE...                Envoyer des fichiers sous leur nom de calculatrice
                             (chaque nom à modifier est affiché). Les fichiers
                             déjà présents sur la calculatrice sont conservés
                             sauf avec --force.
  put --from-backup ARCHIVE NAME...
                             Envoyer les entrées nommées d&apos;une sauvegarde, en
                             laissant tels quels les autres fichiers de la
                             calculatrice.
  rm NAME...                 Supprimer des fichiers de la calculatrice, après en
                             avoir conservé une copie de sécurité (voir safety).
  rename NEWNAME             Donner un nouveau nom à la calculatrice (%1
                             caractères au plus).
  backup [FILE]              Sauvegarder tous les fichiers de la calculatrice
                             dans une archive&#xa0;; par défaut NAME-YYYY-MM-DD.ubk
                             dans le dossier courant (ou -o DIR). L&apos;archive
                             n&apos;apparaît qu&apos;une fois complète.
  restore FILE --yes         Effacer la calculatrice et y écrire les fichiers de
                             l&apos;archive. L&apos;archive est vérifiée avant tout
                             effacement&#xa0;; une copie de sécurité des fichiers de
                             la calculatrice est d&apos;abord conservée.
  safety                     Les copies de sécurité conservées avant que rm et
                             restore n&apos;effacent des fichiers, les plus récentes
                             d&apos;abord (--no-safety-copy n&apos;en conserve aucune).
  watch put FILE...          Envoyer les fichiers à chaque calculatrice branchée
                             à partir de maintenant, une fois par branchement,
                             une ligne chacune&#xa0;; celles déjà branchées ne sont
                             pas touchées. Se termine avec Ctrl-C ou après
                             --count N calculatrices&#xa0;; le code de sortie ne vaut
                             0 que si chaque calculatrice servie a reçu tous les
                             fichiers.

Choix de la calculatrice&#xa0;: sans --calc, la seule calculatrice branchée est
utilisée&#xa0;; s&apos;il y en a deux ou plus, --calc SEL en désigne une par son port
(ttyACM0 ou /dev/ttyACM0) ou par son nom. get, put, rm, backup et restore
acceptent --all&#xa0;: toutes les calculatrices branchées en même temps, une ligne
de résultat chacune.

Code de sortie&#xa0;: 0 succès, 1 un échec signalé par une calculatrice ou par la
liaison (avec --all&#xa0;: par n&apos;importe quelle calculatrice), 2 une erreur
d&apos;utilisation, 130 interrompu (Ctrl-C).</translation>
    </message>
    <message>
        <source>%1: option %2 does not apply</source>
        <translation>%1&#xa0;: l&apos;option %2 ne s&apos;applique pas</translation>
    </message>
    <message>
        <source>%1: missing argument</source>
        <translation>%1&#xa0;: argument manquant</translation>
    </message>
    <message>
        <source>%1: too many arguments</source>
        <translation>%1&#xa0;: trop d&apos;arguments</translation>
    </message>
    <message>
        <source>%1: --calc and --all exclude each other</source>
        <translation>%1&#xa0;: --calc et --all s&apos;excluent mutuellement</translation>
    </message>
    <message>
        <source>backup: give either FILE or --all/--output, not both</source>
        <translation>backup&#xa0;: indiquez soit FILE, soit --all/--output, pas les deux</translation>
    </message>
    <message>
        <source>restore erases every file on the calculator first: add --yes to go ahead</source>
        <translation>restore efface d&apos;abord tous les fichiers de la calculatrice&#xa0;: ajoutez --yes pour continuer</translation>
    </message>
    <message>
        <source>watch: only put can be watched</source>
        <translation>watch&#xa0;: seul put peut être utilisé avec watch</translation>
    </message>
    <message>
        <source>rename: the new name is empty</source>
        <translation>rename&#xa0;: le nouveau nom est vide</translation>
    </message>
    <message>
        <source>rename: the new name is longer than %1 characters</source>
        <translation>rename&#xa0;: le nouveau nom dépasse %1 caractères</translation>
    </message>
    <message>
        <source>%1: an argument is empty</source>
        <translation>%1&#xa0;: un argument est vide</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Afficher cette aide et quitter.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Afficher la version et quitter.</translation>
    </message>
    <message>
        <source>The calculator to use: a port name or a calculator name.</source>
        <translation>La calculatrice à utiliser&#xa0;: un nom de port ou un nom de calculatrice.</translation>
    </message>
    <message>
        <source>get, put, rm, backup, restore: every attached calculator at once.</source>
        <translation>get, put, rm, backup, restore&#xa0;: toutes les calculatrices branchées à la fois.</translation>
    </message>
    <message>
        <source>get, put, backup: replace files that already exist.</source>
        <translation>get, put, backup&#xa0;: remplacer les fichiers qui existent déjà.</translation>
    </message>
    <message>
        <source>restore: agree that the calculator is erased first.</source>
        <translation>restore&#xa0;: accepter que la calculatrice soit d&apos;abord effacée.</translation>
    </message>
    <message>
        <source>get, backup: the folder to write into (default: the current folder).</source>
        <translation>get, backup&#xa0;: le dossier où écrire (par défaut&#xa0;: le dossier courant).</translation>
    </message>
    <message>
        <source>list, ls, safety: print JSON instead of a table.</source>
        <translation>list, ls, safety&#xa0;: afficher du JSON au lieu d&apos;un tableau.</translation>
    </message>
    <message>
        <source>No progress and no notices; errors and results only.</source>
        <translation>Ni progression ni avis&#xa0;; uniquement les erreurs et les résultats.</translation>
    </message>
    <message>
        <source>rm, restore: keep no safety copy of what is erased.</source>
        <translation>rm, restore&#xa0;: ne conserver aucune copie de sécurité de ce qui est effacé.</translation>
    </message>
    <message>
        <source>put: send the named entries of this backup archive.</source>
        <translation>put&#xa0;: envoyer les entrées nommées de cette sauvegarde.</translation>
    </message>
    <message>
        <source>watch: end after N calculators.</source>
        <translation>watch&#xa0;: terminer après N calculatrices.</translation>
    </message>
    <message>
        <source>One of the commands above.</source>
        <translation>L&apos;une des commandes ci-dessus.</translation>
    </message>
    <message>
        <source>The command&apos;s arguments.</source>
        <translation>Les arguments de la commande.</translation>
    </message>
    <message>
        <source>no command given</source>
        <translation>aucune commande indiquée</translation>
    </message>
    <message>
        <source>--from-backup needs an archive</source>
        <translation>--from-backup demande une archive</translation>
    </message>
    <message>
        <source>--calc needs a port or calculator name</source>
        <translation>--calc demande un port ou un nom de calculatrice</translation>
    </message>
    <message>
        <source>--count needs a number above 0</source>
        <translation>--count demande un nombre supérieur à 0</translation>
    </message>
    <message>
        <source>--output needs a folder</source>
        <translation>--output demande un dossier</translation>
    </message>
    <message>
        <source>unknown command: %1</source>
        <translation>commande inconnue&#xa0;: %1</translation>
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
    <name>FileOutcome</name>
    <message>
        <source>%1: %2</source>
        <comment>a file&apos;s name, then what was not done with it</comment>
        <translation>%1&#xa0;: %2</translation>
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
    <name>LinkTexts</name>
    <message>
        <source>%1 (error code: %2)</source>
        <comment>the calculator&apos;s error text, then its number</comment>
        <translation>%1 (code d&apos;erreur&#xa0;: %2)</translation>
    </message>
    <message>
        <source>Unknown error.</source>
        <translation>Erreur inconnue.</translation>
    </message>
    <message>
        <source>File doesn’t exist.</source>
        <translation>Le fichier n’existe pas.</translation>
    </message>
    <message>
        <source>Connection error (error code: 423).</source>
        <translation>Erreur de connexion (code d&apos;erreur&#xa0;: 423).</translation>
    </message>
    <message>
        <source>Memory error.</source>
        <translation>Erreur de mémoire.</translation>
    </message>
    <message>
        <source>Write error.</source>
        <translation>Erreur d&apos;écriture.</translation>
    </message>
    <message>
        <source>Wrong data size.</source>
        <translation>Taille de données incorrecte.</translation>
    </message>
    <message>
        <source>Wrong frame number.</source>
        <translation>Numéro de trame incorrect.</translation>
    </message>
    <message>
        <source>Connection error (error code: 421)</source>
        <translation>Erreur de connexion (code d&apos;erreur&#xa0;: 421)</translation>
    </message>
    <message>
        <source>Connection error (error code: 422)</source>
        <translation>Erreur de connexion (code d&apos;erreur&#xa0;: 422)</translation>
    </message>
    <message>
        <source>Error write device</source>
        <translation>Erreur d&apos;écriture vers l&apos;appareil</translation>
    </message>
    <message>
        <source>Error read device</source>
        <translation>Erreur de lecture depuis l&apos;appareil</translation>
    </message>
    <message>
        <source>Error parse message</source>
        <translation>Erreur d&apos;analyse du message</translation>
    </message>
    <message>
        <source>Unreadable answer from the calculator.</source>
        <translation>Réponse illisible de la calculatrice.</translation>
    </message>
    <message>
        <source>Error incorrect response</source>
        <translation>Erreur&#xa0;: réponse incorrecte</translation>
    </message>
    <message>
        <source>Can&apos;t write backup file</source>
        <translation>Impossible d&apos;écrire le fichier de sauvegarde</translation>
    </message>
    <message>
        <source>Can&apos;t clear filesystem</source>
        <translation>Impossible de vider le système de fichiers</translation>
    </message>
    <message>
        <source>Can&apos;t reboot device</source>
        <translation>Impossible de redémarrer l&apos;appareil</translation>
    </message>
    <message>
        <source>Can&apos;t connect to device</source>
        <translation>Impossible de se connecter à l&apos;appareil</translation>
    </message>
    <message>
        <source>Invalid file name: %1</source>
        <translation>Nom de fichier non valide&#xa0;: %1</translation>
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
    <message>
        <source>Checking the backup archive</source>
        <translation>Vérification de l&apos;archive de sauvegarde</translation>
    </message>
    <message>
        <source>Clearing the calculator</source>
        <translation>Effacement de la calculatrice</translation>
    </message>
    <message>
        <source>Restarting the calculator</source>
        <translation>Redémarrage de la calculatrice</translation>
    </message>
    <message>
        <source>Waiting for the calculator</source>
        <translation>En attente de la calculatrice</translation>
    </message>
    <message>
        <source>Making a safety copy</source>
        <extracomment>Progress: followed by the file&apos;s name, its place in the batch and the percentage.</extracomment>
        <translation>Création d&apos;une copie de sécurité</translation>
    </message>
    <message>
        <source>Downloading</source>
        <extracomment>Progress of a download, followed by the file&apos;s name and the percentage.</extracomment>
        <translation>Téléchargement</translation>
    </message>
    <message>
        <source>Sending</source>
        <extracomment>Progress of a send, followed by the file&apos;s name and the percentage.</extracomment>
        <translation>Envoi</translation>
    </message>
    <message>
        <source>Backing up</source>
        <extracomment>Progress of a backup, followed by the file&apos;s name and the percentage.</extracomment>
        <translation>Sauvegarde</translation>
    </message>
    <message>
        <source>Restoring</source>
        <extracomment>Progress of a restore, followed by the file&apos;s name and the percentage.</extracomment>
        <translation>Restauration</translation>
    </message>
    <message>
        <source>Opening</source>
        <extracomment>Progress of opening a program from the calculator, followed by its name and the percentage.</extracomment>
        <translation>Ouverture</translation>
    </message>
    <message>
        <source> (%1 of %2)</source>
        <extracomment>Progress: file %1 of the %2 files of the batch.</extracomment>
        <translation> (%1 sur %2)</translation>
    </message>
    <message>
        <source> — %1 %</source>
        <extracomment>Progress: the percentage done.</extracomment>
        <translation> — %1&#xa0;%</translation>
    </message>
    <message>
        <source>, about %1 min left</source>
        <extracomment>Progress: the time left in minutes.</extracomment>
        <translation>, environ %1&#xa0;min restantes</translation>
    </message>
    <message>
        <source>, about %1 s left</source>
        <extracomment>Progress: the time left in seconds.</extracomment>
        <translation>, environ %1&#xa0;s restantes</translation>
    </message>
    <message numerus="yes">
        <source>Download cancelled: %1 of %n files downloaded</source>
        <translation>
            <numerusform>Téléchargement annulé&#xa0;: %1 sur %n fichier téléchargé</numerusform>
            <numerusform>Téléchargement annulé&#xa0;: %1 sur %n fichiers téléchargés</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Send cancelled: %1 of %n files sent</source>
        <translation>
            <numerusform>Envoi annulé&#xa0;: %1 sur %n fichier envoyé</numerusform>
            <numerusform>Envoi annulé&#xa0;: %1 sur %n fichiers envoyés</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Backup cancelled: %1 of %n files read, no archive was made</source>
        <translation>
            <numerusform>Sauvegarde annulée&#xa0;: %1 sur %n fichier lu, aucune archive n&apos;a été créée</numerusform>
            <numerusform>Sauvegarde annulée&#xa0;: %1 sur %n fichiers lus, aucune archive n&apos;a été créée</numerusform>
        </translation>
    </message>
    <message>
        <source>Restore cancelled: the calculator was not changed</source>
        <translation>Restauration annulée&#xa0;: la calculatrice n&apos;a pas été modifiée</translation>
    </message>
    <message>
        <source>Opening cancelled: the program was not opened</source>
        <translation>Ouverture annulée&#xa0;: le programme n&apos;a pas été ouvert</translation>
    </message>
    <message>
        <source>Operation cancelled</source>
        <translation>Opération annulée</translation>
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
    <name>PortAccess</name>
    <message>
        <source>Cannot open the calculator&apos;s port %1: permission denied. Install the Ulvo Connect package (or its udev rule), or add your user to the dialout group and log in again.</source>
        <extracomment>%1 is the port&apos;s device path. &quot;dialout&quot; is the name of a system group.</extracomment>
        <translation>Impossible d&apos;ouvrir le port %1 de la calculatrice&#xa0;: permission refusée. Installez le paquet Ulvo Connect (ou sa règle udev), ou ajoutez votre utilisateur au groupe dialout et reconnectez-vous.</translation>
    </message>
    <message>
        <source>Cannot open the calculator&apos;s port %1: it is in use by another program. Close the other program.</source>
        <extracomment>%1 is the port&apos;s device path.</extracomment>
        <translation>Impossible d&apos;ouvrir le port %1 de la calculatrice&#xa0;: il est utilisé par un autre programme. Fermez l&apos;autre programme.</translation>
    </message>
</context>
<context>
    <name>ProgressDisplay</name>
    <message>
        <source>waiting</source>
        <translation>en attente</translation>
    </message>
    <message>
        <source>  %1 of %2 (%3%)</source>
        <comment>bytes done of bytes in all, then percent done</comment>
        <translation>  %1 sur %2 (%3 %)</translation>
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
    <name>SafetyCopies</name>
    <message>
        <source>before delete</source>
        <extracomment>The kind of a safety copy: taken before files were deleted.</extracomment>
        <translation>avant suppression</translation>
    </message>
    <message>
        <source>before restore</source>
        <extracomment>The kind of a safety copy: taken before a backup was restored.</extracomment>
        <translation>avant restauration</translation>
    </message>
    <message>
        <source>unknown</source>
        <extracomment>The kind of a safety copy that does not say what it was taken before.</extracomment>
        <translation>inconnu</translation>
    </message>
    <message>
        <source>Can&apos;t create the folder %1</source>
        <translation>Impossible de créer le dossier %1</translation>
    </message>
    <message>
        <source>Can&apos;t create a file in %1</source>
        <translation>Impossible de créer un fichier dans %1</translation>
    </message>
    <message>
        <source>Can&apos;t write %1</source>
        <translation>Impossible d&apos;écrire %1</translation>
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
    <name>SafetyCopyMaker</name>
    <message>
        <source>Can&apos;t write backup file</source>
        <translation>Impossible d&apos;écrire le fichier de sauvegarde</translation>
    </message>
    <message>
        <source>the copy does not pass the restore check (%1)</source>
        <extracomment>Why a safety copy failed; %1 is what the check found wrong.</extracomment>
        <translation>la copie ne passe pas la vérification de restauration (%1)</translation>
    </message>
    <message>
        <source>Can&apos;t write %1</source>
        <translation>Impossible d&apos;écrire %1</translation>
    </message>
    <message>
        <source>Can&apos;t read %1</source>
        <translation>Impossible de lire %1</translation>
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
<context>
    <name>TaskContext</name>
    <message>
        <source>%1: %2</source>
        <comment>a file&apos;s name, then what went wrong with it</comment>
        <translation>%1&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>ZipArchive</name>
    <message>
        <source>Archive is not open</source>
        <translation>L&apos;archive n&apos;est pas ouverte</translation>
    </message>
    <message>
        <source>Invalid entry name</source>
        <translation>Nom d&apos;entrée non valide</translation>
    </message>
    <message>
        <source>Archive is not open for writing</source>
        <translation>L&apos;archive n&apos;est pas ouverte en écriture</translation>
    </message>
    <message>
        <source>Can&apos;t read entry %1</source>
        <translation>Impossible de lire l&apos;entrée %1</translation>
    </message>
    <message>
        <source>Entry %1 is too large</source>
        <translation>L&apos;entrée %1 est trop volumineuse</translation>
    </message>
    <message>
        <source>Entry %1 is damaged</source>
        <translation>L&apos;entrée %1 est endommagée</translation>
    </message>
</context>
</TS>
