// SPDX-License-Identifier: MIT
#include "app/texts/interface_texts.h"

#include "app/texts/interface_translations.h"

namespace ravello::app {
namespace {

// clang-format off
constexpr std::array<InterfaceTextRow, kInterfaceTextRows> kRows = {{
    {"MSG_Titolo", "Ravello",
     "Ravello"}, // 0
    {"Pag_Configurazione", "Configurazione",
     "Settings"}, // 1
    {"Pag_Programma", "Programma",
     "Program"}, // 2
    {"CONF_PAG_FileArchivio", "Configurazione",
     "Settings"}, // 3
    {"CONF_PAG_Lingua", "Lingua",
     "Language"}, // 4
    {"CONF_PAG_Stili", "Stile",
     "Style"}, // 5
    {"BTN_Esci", "Esci",
     "Exit"}, // 6
    {"LBL_SelezionaLingua", "Seleziona la lingua:",
     "Select your language:"}, // 7
    {"BTN_Italiano", "Italiano",
     "Italiano"}, // 8
    {"BTN_Inglese", "English",
     "English"}, // 9
    {"BTN_Spagnolo", "Español",
     "Español"}, // 10
    {"BTN_Tedesco", "Deutsch",
     "Deutsch"}, // 11
    {"BTN_Francese", "Français",
     "Français"}, // 12
    {"LBL_API1", "Questo prodotto utilizza l'API TMDb ma non è omologato o certificato da TMDb.",
     "This product uses the TMDb API but is not endorsed or certified by TMDb."}, // 13
    {"MEM_API", "Come creare una TMDb Key personale:",
     "How to Create Your Own TMDB API Key"}, // 14
    {"MEM_API", "1) Vai sul sito di TMDB e crea un account gratuito.",
     "1) Go to the TMDB website and sign up for a free account."}, // 15
    {"MEM_API", "2) Dopo l'accesso, fai clic sull'icona del profilo in alto a destra e scegli Impostazioni.",
     "2) Once you are logged in, click your Profile Icon in the top right corner and then select Settings."}, // 16
    {"MEM_API", "3) Nel menu a sinistra fai clic su API e poi su Crea, al centro dello schermo.",
     "3) On the left side menu click API and then click Create in the middle of your screen."}, // 17
    {"MEM_API", "4) Compila il modulo che chiede indirizzo, numero di telefono e altre informazioni. Puoi usare dati veri o di fantasia, non importa. Alla fine di",
     "4) Fill out this form asking you for your address, phone number, and other information. You can use real or fake information, it doesn’t matter. At the end of"}, // 18
    {"MEM_API", "questa schermata, quando invii le informazioni, riceverai una chiave API di TMDB.",
     "this screen when you submit the information, you will be given a TMDB API Key."}, // 19
    {"LBL_API2", "TMdb Key Personale",
     "Your personal TMDb Key"}, // 20
    {"LBL_Linguaggio", "Linguaggio preferito",
     "Preferred language"}, // 21
    {"LBL_Paese", "Paese di certificazione preferito",
     "Preferred certification country"}, // 22
    {"BTN_Auto1", "Autom.",
     "Autom."}, // 23
    {"BTN_Cerca1", "Cerca",
     "Browse"}, // 24
    {"BTN_Cerca2", "Cerca",
     "Browse"}, // 25
    {"BTN_Cerca3", "Cerca",
     "Browse"}, // 26
    {"BTN_Rielabora", "Importa",
     "Import"}, // 27
    {"LBL_NomeFile", "Archivio di appoggio dati DVDProfiler",
     "Data backup archive DVDProfiler"}, // 28
    {"LBL_NomeFileIstruzioni1", "Trattasi del file generato dal programma DVDProfiler con l'opzione  (File Esporta il database dei profili ) :",
     "This is the file DVD Profiler writes with the option File > Export Profile Database:"}, // 29
    {"LBL_NomeFileIstruzioni2", "--Dati per la generazione:",
     "- Data for the generation:"}, // 30
    {"LBL_NomeFileIstruzioni3", "--File singolo (nome del file collection.xml)",
     "- Single file (file name collection.xml)"}, // 31
    {"LBL_NomeFileIstruzioni4", "Selezionare solamente le voci:",
     "Select only the items:"}, // 32
    {"LBL_NomeFileIstruzioni5", "-Sinossi",
     "-Overview"}, // 33
    {"LBL_NomeFileIstruzioni6", "-Cast (tutti)",
     "-Cast (All)"}, // 34
    {"LBL_NomeFileIstruzioni7", "-Crew (tutti)",
     "-Crew (All)"}, // 35
    {"LBL_PosizioneDVDP", "Posizione database DVDProfiler",
     "Database location DVDProfiler"}, // 36
    {"LBL_PosizioneDVDPIstruzioni1", "Si tratta della posizione dove DVD Profiler memorizza il proprio database. Questa informazione è necessaria al programma per trovare le",
     "This is where DVD Profiler keeps its database. The program needs it to find the"}, // 37
    {"LBL_PosizioneDVDPIstruzioni2", "Immagini delle cover e altre informazioni.",
     "cover images and other information."}, // 38
    {"LBL_PosizioneProg", "Posizione database Programma",
     "Program database position"}, // 39
    {"LBL_PosizioneProgIstruzioni1", "Si tratta della posizione dove il programma creerà il proprio database e la cache delle immagini per evitare di doverle continuamente scaricare",
     "This is where the program keeps its own database and image cache, so that nothing is downloaded twice."}, // 40
    {"LBL_PosizioneScreen", "Posizione Schermata programma",
     "Position Program screen"}, // 41
    {"CHB_Screen", "Sposta la schermata tutta a sinistra",
     "Move the screen all the way to the left"}, // 42
    {"LBL_Dischi", "Dischi dove effetturare la ricerca automatica:",
     "Discs where to perform the automatic search:"}, // 43
    {"CONF_PROG_LBL_SelezionaStile", "Seleziona lo stile",
     "Select the style"}, // 44
    {"LBL_CopiaAuto", "Copia Automaticamente i dati",
     "Automatically copy the data"}, // 45
    {"CHB_Copy", "Copia",
     "Copy"}, // 46
    {"LBL_Cerca1", "Film da cercare",
     "Films to search"}, // 47
    {"LBL_Cerca2", "Titoli trovati in DVD Profiler",
     "Titles found in DVD Profiler"}, // 48
    {"LBL_Cerca3", "N. Collezione",
     "Collection #"}, // 49
    {"LBL_Cerca4", "Titoli trovati su The Movie Database",
     "Titles found on The Movie Database"}, // 50
    {"BTN_Azzera", "Azzera",
     "Reset"}, // 51
    {"BTN_Cerca", "Cerca su The Movie Database",
     "Search on The Movie Database"}, // 52
    {"Pag_Cover", "Copertina",
     "Cover"}, // 53
    {"Pag_Dati", "Dati",
     "Data"}, // 54
    {"Pag_Cast", "Cast e staff",
     "Cast && Crew"}, // 55
    {"LBL_CoverMDB", "Cover del film",
     "TMDb Cover"}, // 56
    {"LBL_CoverDVD", "Cover DVD Profiler",
     "DVD Profiler Cover"}, // 57
    {"LBL_NumColl", "Num.Coll.",
     "Collection #"}, // 58
    {"LBL_MDB", "Dati recuperati da The Movie Database",
     "Data retrieved from The Movie Database"}, // 59
    {"LBL_DVD", "Dati recuperati da DVD Profiler",
     "Data retrieved from DVD Profiler"}, // 60
    {"LBL_TitoloMDB", "Titolo",
     "Title"}, // 61
    {"LBL_TitoloOriMDB", "Titolo originale",
     "Original title"}, // 62
    {"LBL_AnnoMDB", "Anno",
     "Year"}, // 63
    {"LBL_DurataMDB", "Durata",
     "Length"}, // 64
    {"LBL_DurataDVD", "Durata",
     "Length"}, // 65
    {"LBL_SinossiMDB", "Sinossi",
     "Overview"}, // 66
    {"LBL_Cast", "Cast:",
     "Cast:"}, // 67
    {"LBL_Cast2", "Cast:",
     "Cast:"}, // 68
    {"LBL_Crew", "Staff:",
     "Staff:"}, // 69
    {"LBL_CastDesc", "Quando copi, includi tutto di:",
     "When copying, include everything from:"}, // 70
    {"CBO_Fotografia", "Fotografica",
     "Photography"}, // 71
    {"CBO_Sound", "Suono e musica",
     "Sound & Music"}, // 72
    {"CBO_Arte", "Arte",
     "Art"}, // 73
    {"CBO_Altro", "Altro",
     "Other"}, // 74
    {"MSG_Disco", "Disco",
     "Disk"}, // 75
    {"MSG_VersioneDiversa", "E' stata trovata una versione diversa del file Collection.xml.\r\nVuoi procedere con una nuova importazione?\r\nL'operazione potrebbe durare anche dei minuti a seconda del numero di film trovati",
     "A different version of the Collection.xml file has been found.\r\nDo you want to import it again?\r\nThe import may take some minutes, depending on the number of films found."}, // 76
    {"MSG_Domanda", "Domanda",
     "Question"}, // 77
    {"MSG_StoCercando", "Sto cercando in:",
     "I'm looking in:"}, // 78
    {"MSG_ArchivioEsportato", "Archivio Esportato da DVD Profiler",
     "Archive Exported from DVD Profiler"}, // 79
    {"MSG_ArchivioDVDP", "Archivio DVDProfiler",
     "DVDProfiler Database"}, // 80
    {"MSG_ImportazioneFilm", "Importazione del film numero",
     "Import of the film number"}, // 81
    {"MSG_DatabaseNonTrovato", "Database DVDProfiler non trovato",
     "DVDProfiler database not found"}, // 82
    {"MSG_ChiaveNonDefinita", "Chiave TMDb non definita.\r\nPer poter procedere è necessario inserire una chiave TMDb valida.\r\nPer inserire la chiave andare in configurazione programma",
     "Undefined TMDb key. \r\nTo be able to proceed you must enter a valid TMDb key. \r\nTo enter the key go to the program configuration"}, // 83
    {"MSG_TuttiIFiles", "Tutti i files",
     "All files"}, // 84
    {"MSG_NessunaImmagine", "TMDb non ha foto di questa persona",
     "TMDb has no photo of this person"}, // 85
    {"MSG_Errore", "Errore",
     "Error"}, // 86
    {"MSG_ConnessioneFallita", "Connessione non riuscita o errore di sintassi",
     "Connection Failed or Syntax error"}, // 87
    {"MSG_URLNonAperto", "Nessuna risposta completa da The Movie Database\nErrore n.:%1",
     "No complete answer from The Movie Database\nError No:%1"}, // 88
    {"MSG_StatoHTTP", "stato HTTP %1",
     "HTTP status %1"}, // 89
    {"MSG_RispostaTMDb", "TMDb ha risposto con %1",
     "TMDb answered with %1"}, // 90
    {"MSG_RispostaNonJSON", "La risposta di TMDb non è un documento JSON (%1)",
     "TMDb's answer is not a JSON document (%1)"}, // 91
    {"MSG_RispostaTroppoGrande", "La risposta di TMDb è troppo grande",
     "TMDb's answer is too large"}, // 92
    {"MSG_CacheNonScritta", "Non è stato possibile scrivere la risposta nella cache",
     "The answer could not be written to the cache"}, // 93
    // The boxes of a film's details and credits have always been titled in Italian.
    {"MSG_ErroreDatiFilm", "Errore",
     "Errore"}, // 94
    {"MSG_RicercaFallita", "Ricerca non riuscita: nessun risultato mostrato",
     "The search failed: no results are shown"}, // 95
    {"MSG_ImportazioneRiuscita", "%1 titoli importati, %2 profili saltati (%3 senza numero di collezione)",
     "%1 titles imported, %2 profiles skipped (%3 without a collection number)"}, // 96
    {"MSG_ArchivioIlleggibile", "Impossibile leggere l'archivio esportato da DVD Profiler; nessun titolo è stato importato.\r\n%1",
     "The DVD Profiler export could not be read; no titles were imported.\r\n%1"}, // 97
    {"MSG_IndiceNonScritto", "Impossibile scrivere l'indice dei titoli; resta quello di prima.\r\n%1",
     "The title index could not be written; the previous one stays.\r\n%1"}, // 98
    {"MSG_ScegliArchivio", "Scegli l'archivio esportato da DVD Profiler nella pagina Configurazione",
     "Choose your DVD Profiler export on the Settings page"}, // 99
    {"MSG_InserisciChiave", "Inserisci la tua chiave TMDb nella pagina Configurazione",
     "Enter your TMDb key on the Settings page"}, // 100
    {"MSG_ScegliArchivioEChiave", "Scegli l'archivio esportato da DVD Profiler e inserisci la tua chiave TMDb nella pagina Configurazione",
     "Choose your DVD Profiler export and enter your TMDb key on the Settings page"}, // 101
    {"MSG_AvvioFallito", "Ravello non può partire:\r\n%1",
     "Ravello could not start:\r\n%1"}, // 102
    {"MSG_Informazione", "Informazione",
     "Information"}, // 103
    // Captions of controls added after the messages.
    {"Pag_Cast_Photo", "Foto del cast",
     "Cast Photo"}, // 104
    {"PAG_Crew_Photo", "Foto dello staff",
     "Crew Photo"}, // 105
    {"MSG_FilmCorrispondente", "Il film cercato: stesso titolo",
     "The film searched for: same title"}, // 106
    {"MSG_SinossiInglese", "Sinossi in inglese: TMDb non ne ha una nella lingua scelta",
     "English overview: TMDb has none in the chosen language"}, // 107
    {"BTN_AnnullaAttesa", "Annulla",
     "Cancel"}, // 108
    {"CHB_AnniNascita", "Anni di nascita da TMDb",
     "Birth years from TMDb"}, // 109
    {"MSG_AttesaTMDb", "In attesa di The Movie Database... %1 s",
     "Waiting for The Movie Database... %1 s"}, // 110
    {"MSG_NessunaRispostaEntro", "The Movie Database non ha risposto entro %1 secondi\nErrore n.:%2",
     "The Movie Database did not answer within %1 seconds\nError No:%2"}, // 111
    {"MSG_AnniNascita", "Anni di nascita: %1 di %2",
     "Birth years: %1 of %2"}, // 112
    {"MSG_AnniNascitaMancanti", "Anni di nascita: %1 persone senza risposta, scritte con anno 0",
     "Birth years: %1 people without an answer, written with year 0"}, // 113
    {"MSG_RapportoStaff", "Staff: %1 crediti nel documento, %2 esclusi",
     "Crew: %1 credits in the document, %2 left out"}, // 114
    {"MSG_EsclusiStaff", "Esclusi (reparto / ruolo):",
     "Left out (department / job):"}, // 115
    {"MSG_MappaturaStaffErrata", "Il file della mappatura dello staff non si legge (%1, riga %2: %3): valgono le regole incorporate",
     "The crew mapping file does not read (%1, line %2: %3): the built-in rules are used"}, // 116
    // Captions that were written in code, and messages added after them.
    {"Copy", "Copia",
     "Copy"}, // 117
    {"Button1", "Copia",
     "Copy"}, // 118
    {"BTN_CopiaPhoto", "Copia",
     "Copy"}, // 119
    {"BTN_CopiaPhoto2", "Copia",
     "Copy"}, // 120
    {"LBL_Crew2", "Staff:",
     "Staff:"}, // 121
    {"MSG_ErroreInatteso", "Ravello ha incontrato un errore inatteso e deve chiudersi:\r\n%1",
     "Ravello met an unexpected error and must close:\r\n%1"}, // 122
    {"MSG_RichiestaInCorso", "Un'altra richiesta a The Movie Database è ancora in corso: non è stato inviato nulla.",
     "Another request to The Movie Database is still running: nothing was sent."}, // 123
    {"MSG_ImpNonTrovato", "Nessun file in %1.",
     "There is no file at %1."}, // 124
    {"MSG_ImpNonAperto", "%1 non si può aprire.",
     "%1 cannot be opened."}, // 125
    {"MSG_ImpErroreLettura", "La lettura di %1 si è interrotta.",
     "Reading %1 stopped part-way."}, // 126
    {"MSG_ImpRigaLunga", "%1 ha una riga più lunga di 256 MB: non è un archivio di DVD Profiler.",
     "%1 has a line longer than 256 MB: it is no DVD Profiler export."}, // 127
    {"MSG_ImpIndice", "%1 non si può scrivere.",
     "%1 cannot be written."}, // 128
    {"MSG_MapNonScritto", "il file non si può scrivere",
     "the file cannot be written"}, // 129
    {"MSG_MapNonLetto", "il file non si può leggere",
     "the file cannot be read"}, // 130
    {"MSG_MapNessunaRegola", "nessuna riga department",
     "no department line"}, // 131
    {"MSG_MapVirgolette", "un testo tra virgolette non ha la virgoletta di chiusura",
     "a quoted text has no closing quote"}, // 132
    {"MSG_MapRigaIgnota", "\"%1\" non apre nessuna riga nota",
     "\"%1\" begins no known line"}, // 133
    {"MSG_MapPrimaDelReparto", "\"%1\" viene prima della prima riga department",
     "\"%1\" comes before the first department line"}, // 134
    {"MSG_MapRipetuta", "una seconda riga \"%1\" nello stesso blocco",
     "a second \"%1\" line in one block"}, // 135
    {"MSG_MapRepartoSenzaNome", "la riga department non nomina un reparto tra virgolette",
     "the department line names no department in double quotes"}, // 136
    {"MSG_MapAttesoTest", "atteso \"is\" o \"begins\", non \"%1\"",
     "\"is\" or \"begins\" expected, not \"%1\""}, // 137
    {"MSG_MapAttesoGruppo", "atteso photography, sound, art o other, non \"%1\"",
     "photography, sound, art or other expected, not \"%1\""}, // 138
    {"MSG_MapAttesoTipo", "atteso principal o custom, non \"%1\"",
     "principal or custom expected, not \"%1\""}, // 139
    {"MSG_MapTipoMancante", "manca il tipo di credito tra virgolette",
     "the credit type in double quotes is missing"}, // 140
    {"MSG_MapRuoloMancante", "manca il ruolo tra virgolette",
     "the job in double quotes is missing"}, // 141
    {"MSG_MapSottotipoMancante", "manca il sottotipo del credito personalizzato tra virgolette",
     "the custom credit's subtype in double quotes is missing"}, // 142
    {"MSG_MapAltriRuoli", "una riga che inizia con \"other\" deve essere \"other jobs custom\"",
     "a line beginning with \"other\" must read \"other jobs custom\""}, // 143
    {"MSG_MapParolaInattesa", "\"%1\" dopo la fine della riga",
     "\"%1\" after the end of the line"}, // 144
    {"BTN_Precedente", "Profilo precedente",
     "Previous profile"}, // 145
    {"BTN_Successivo", "Profilo successivo",
     "Next profile"}, // 146
    {"CHB_PreparaProfili", "Prepara i profili successivi",
     "Prepare the next profiles"}, // 147
    {"MSG_AperturaCerta", "Aperto: corrispondenza certa",
     "Opened: certain match"}, // 148
    {"MSG_PiuCorrispondenze", "Più corrispondenze possibili: scegline una",
     "Several possible matches: choose one"}, // 149
    {"MSG_NessunRisultato", "Nessun risultato",
     "Nothing found"}, // 150
    {"MSG_TipSuccessivo", "Mostra il profilo successivo e lo cerca su TMDb (%1)",
     "Shows the next profile and searches TMDb for it (%1)"}, // 151
    {"MSG_TipPrecedente", "Mostra il profilo precedente e lo cerca su TMDb (%1)",
     "Shows the previous profile and searches TMDb for it (%1)"}, // 152
    {"CHB_Serie", "Serie TV",
     "TV series"}, // 153
    {"CHB_StaffCompleto", "Staff completo per le serie",
     "Full crew for series"}, // 154
    {"LBL_Stagione", "Stagione:",
     "Season:"}, // 155
    {"LBL_EpisodioDa", "Episodi da",
     "Episodes from"}, // 156
    {"LBL_EpisodioA", "a",
     "to"}, // 157
    {"MSG_StagioneEpisodi", "Stagione %1 (%2 episodi)",
     "Season %1 (%2 episodes)"}, // 158
    {"MSG_Speciali", "Speciali (%1 episodi)",
     "Specials (%1 episodes)"}, // 159
    {"MSG_PersonaNota", "Nella tua raccolta: %1, nato nel %2",
     "In your collection: %1, born %2"}, // 160
    {"MSG_PersonaNotaSenzaAnno", "Nella tua raccolta: %1, senza anno di nascita",
     "In your collection: %1, no birth year"}, // 161
    {"MSG_EpisodiDelDisco", "Episodi da %1 a %2, dai divisori del disco",
     "Episodes %1 to %2, from the disc's own dividers"}, // 162
    {"MSG_EpisodiTraDischi", "Episodi da %1 a %2, dopo il disco %3 e prima del disco %4",
     "Episodes %1 to %2, after disc %3 and before disc %4"}, // 163
    {"MSG_EpisodiDopoDisco", "Episodi da %1 a %2, dopo il disco %3",
     "Episodes %1 to %2, after disc %3"}, // 164
    {"MSG_EpisodiPrimaDisco", "Episodi da %1 a %2, prima del disco %3",
     "Episodes %1 to %2, before disc %3"}, // 165
    {"MSG_EpisodiCopiati", "Episodi da %1 a %2, in seguito a quanto già copiato",
     "Episodes %1 to %2, following what was copied before"}, // 166
    {"MSG_EpisodiStimati", "Episodi da %1 a %2, una stima: %3 episodi su %4 dischi, controlla gli episodi",
     "Episodes %1 to %2, a guess: %3 episodes over %4 discs, check the range"}, // 167
    {"MSG_EpisodiAltraStagione", "%1; qui solo quelli della stagione %2",
     "%1; only those of season %2 are shown"}, // 168
    {"MSG_ContinuaStagione", "Continua nella stagione %1 fino all'episodio",
     "Continue into season %1 up to episode"}, // 169
    {"MSG_UltimoEpisodioStagione", "Ultimo episodio della stagione %1",
     "Last episode of season %1"}, // 170
    {"MSG_EpisodiStagioneSeguente", "%1; le copie proseguono nella stagione %2",
     "%1; the copies go on into season %2"}, // 171
    {"MSG_EpisodiConsegnati", "Le copie consegnano gli episodi da %1 a %2",
     "The copies hand over episodes %1 to %2"}, // 172
    {"LBL_OrdineEpisodi", "Ordine episodi:",
     "Episode order:"}, // 173
    {"MSG_StagioniTmdb", "Stagioni di TMDb",
     "TMDb seasons"}, // 174
    {"MSG_OrdineNonSalvato", "Impossibile salvare l'ordine degli episodi in %1",
     "The episode order could not be saved in %1"}, // 175
    {"MSG_OrdineSenzaEpisodi", "Questo ordine degli episodi non contiene episodi",
     "This episode order holds no episodes"}, // 176
}};
// clang-format on

} // namespace

const std::array<InterfaceTextRow, kInterfaceTextRows>& interfaceTextRows()
{
    return kRows;
}

QString MessageTable::text(int row, int languageIndex) const
{
    if (!m_filled || row < 0 || row >= kInterfaceTextRows)
        return {};
    const InterfaceTextRow& entry = kRows[static_cast<std::size_t>(row)];
    return QString::fromUtf8(localizedText(entry.italian, entry.english, languageIndex));
}

QString MessageTable::text(std::string_view key, int languageIndex) const
{
    for (int row = 0; row < kInterfaceTextRows; ++row) {
        if (key == kRows[static_cast<std::size_t>(row)].key)
            return text(row, languageIndex);
    }
    return {};
}

} // namespace ravello::app
