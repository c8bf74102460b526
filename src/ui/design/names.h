#pragma once

#include <QString>
#include <QWidget>

/// The object names that tie the window designs to the windows, to assistive technology and
/// to the tests. Every place that looks a control up by name takes it from here.
namespace names {

inline constexpr char kEsattiCaption[] = "Label1";
inline constexpr char kEsatti[] = "EtichettaEsatti";
inline constexpr char kErratiCaption[] = "Label2";
inline constexpr char kErrati[] = "EtichettaErrati";
inline constexpr char kFaceHappy[] = "ComandoIconaSi";
inline constexpr char kFaceSad[] = "ComandoIconaNo";
inline constexpr char kQuestion[] = "Label3";
/// The task, or the number to find.
inline constexpr char kTask[] = "EtichettaNumero";
inline constexpr char kAvanti[] = "BottoneAvanti";
inline constexpr char kAnswerBox[] = "Text1";
inline constexpr char kHundreds[] = "HScroll1";
inline constexpr char kEsci[] = "BottoneEsci";
inline constexpr char kGrid[] = "Griglia";
inline constexpr char kKeypad[] = "Tastierino";
inline constexpr char kListen[] = "Ascolta";
/// The game's die and the button that rolls it.
inline constexpr char kDie[] = "Dado";
inline constexpr char kLancia[] = "BottoneLancia";
/// The text beside a grid sheet.
inline constexpr char kSheetText[] = "Text1";
/// The main menu's way to the teacher's page, and the page's controls.
inline constexpr char kRisultati[] = "BottoneRisultati";
inline constexpr char kResultsName[] = "TestoNome";
inline constexpr char kResultsTotals[] = "EtichettaTotali";
inline constexpr char kResultsBoard[] = "ListaEsercizi";
inline constexpr char kResultsHundred[] = "ListaCentinaia";
inline constexpr char kResultsMap[] = "MappaRisultati";
inline constexpr char kResultsMostWrong[] = "EtichettaPiuErrati";
inline constexpr char kResultsPrint[] = "BottoneStampa";
inline constexpr char kResultsSave[] = "BottoneSalva";
inline constexpr char kResultsClear[] = "BottoneAzzera";
inline constexpr char kResultsEsci[] = "BottoneEsciRisultati";
/// The teacher's view of a class (`quadena --insegnante`).
inline constexpr char kTeacherClass[] = "ListaClassi";
inline constexpr char kTeacherBoard[] = "ListaEserciziClasse";
inline constexpr char kTeacherHundred[] = "ListaCentinaiaClasse";
inline constexpr char kTeacherReload[] = "BottoneAggiorna";
inline constexpr char kTeacherProgress[] = "BarraLettura";
inline constexpr char kTeacherReading[] = "EtichettaLettura";
inline constexpr char kTeacherChildren[] = "TabellaBambini";
inline constexpr char kTeacherClassMap[] = "MappaClasse";
inline constexpr char kTeacherClassWrong[] = "EtichettaErratiClasse";
inline constexpr char kTeacherChild[] = "EtichettaBambino";
inline constexpr char kTeacherWeeks[] = "TabellaSettimane";
inline constexpr char kTeacherChildMap[] = "MappaBambino";
inline constexpr char kTeacherChildWrong[] = "EtichettaErratiBambino";
inline constexpr char kTeacherPrintClass[] = "BottoneStampaClasse";
inline constexpr char kTeacherSaveClass[] = "BottoneSalvaClasse";
inline constexpr char kTeacherPrintChild[] = "BottoneStampaBambino";
inline constexpr char kTeacherRemoveChild[] = "BottoneCancellaBambino";
inline constexpr char kTeacherEsci[] = "BottoneEsciInsegnante";
inline constexpr char kTeacherVoice[] = "EtichettaVoce";
inline constexpr char kTeacherPlan[] = "BottonePiano";
/// The teacher's plan of a class, and its controls.
inline constexpr char kPlanWindow[] = "Piano";
inline constexpr char kPlanFor[] = "PianoPer";
inline constexpr char kPlanBoards[] = "PianoEsercizi";
inline constexpr char kPlanAllBoards[] = "PianoTuttiEsercizi";
/// One check box a board: "PianoEsercizio_trova-0-99", …
inline constexpr char kPlanBoard[] = "PianoEsercizio";
inline constexpr char kPlanMaximum[] = "PianoMassimo";
inline constexpr char kPlanMode[] = "PianoModo";
inline constexpr char kPlanLevel[] = "PianoLivello";
inline constexpr char kPlanReview[] = "PianoRipasso";
inline constexpr char kPlanStatus[] = "PianoStato";
inline constexpr char kPlanWarnings[] = "PianoAvvisi";
inline constexpr char kPlanInForce[] = "PianoInVigore";
inline constexpr char kPlanReviewMeaning[] = "PianoSpiegazioneRipasso";
inline constexpr char kPlanChildReview[] = "PianoRipassoBambino";
inline constexpr char kPlanClose[] = "PianoChiudi";
/// The windows that ask who is playing, with classes set, and the main menu's way back to them.
inline constexpr char kClassWindow[] = "FormClasse";
inline constexpr char kPupilWindow[] = "FormChiSei";
inline constexpr char kChoiceTitle[] = "EtichettaTitolo";
inline constexpr char kChoiceNotice[] = "EtichettaAvviso";
/// One button a class, one a child: "BottoneClasse(0)", "BottoneBambino(0)", …
inline constexpr char kClassButton[] = "BottoneClasse";
inline constexpr char kPupilButton[] = "BottoneBambino";
inline constexpr char kGioca[] = "BottoneGioca";
inline constexpr char kAltreClassi[] = "BottoneAltreClassi";
inline constexpr char kCambiaBambino[] = "BottoneCambiaBambino";
inline constexpr char kResultsUnsaved[] = "EtichettaNonSalvate";

inline QString of(const char* name)
{
    return QString::fromLatin1(name);
}

/// The name of the button at `position` among those named `name`.
inline QString of(const char* name, int position)
{
    return QStringLiteral("%1(%2)").arg(of(name)).arg(position);
}

/// The name of the control of `name` for the board of stable id `boardId`.
inline QString of(const char* name, const QString& boardId)
{
    return QStringLiteral("%1_%2").arg(of(name), boardId);
}

} // namespace names

/// The named child created from a design. A design without it is a fault of the design
/// tables: the program stops, naming the window and the control.
template <typename T> T* control(QWidget* parent, const char* name)
{
    T* child = parent->findChild<T*>(names::of(name));
    if (!child) {
        qFatal("the window %s has no %s named %s", qPrintable(parent->window()->objectName()),
               T::staticMetaObject.className(), name);
    }
    return child;
}
