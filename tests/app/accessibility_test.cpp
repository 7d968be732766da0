// SPDX-License-Identifier: MIT
#include <memory>

#include <QAbstractButton>
#include <QAccessible>
#include <QLineEdit>
#include <QtTest>

#include "app/frame/main_window.h"
#include "app/texts/accessible_names.h"
#include "test_window.h"
#include "tests/app/named_child.h"
#include "tests/support/temporary_folder.h"

using ravello::testing::child;
using ravello::testing::TemporaryFolder;

namespace {

// The roles a user operates: they must all be named.
bool isInteractive(QAccessible::Role role)
{
    static const QAccessible::Role kRoles[] = {
        QAccessible::PushButton,   QAccessible::CheckBox,    QAccessible::RadioButton,
        QAccessible::EditableText, QAccessible::ComboBox,    QAccessible::List,
        QAccessible::SpinBox,      QAccessible::PageTabList, QAccessible::Slider};
    return std::find(std::begin(kRoles), std::end(kRoles), role) != std::end(kRoles);
}

struct Walk
{
    int interactive = 0;
    QStringList unnamed;
};

// Walks the accessible tree below `node`, counting the visible interactive elements and
// describing those without a name.
void walk(QAccessibleInterface* node, Walk& seen, int depth = 0)
{
    if (!node || !node->isValid() || depth > 64 || node->state().invisible)
        return;
    if (isInteractive(node->role()))
        ++seen.interactive;
    if (isInteractive(node->role()) && node->text(QAccessible::Name).trimmed().isEmpty()) {
        const QObject* object = node->object();
        seen.unnamed << (object ? object->objectName() : QStringLiteral("?")) +
                            QStringLiteral(" role %1").arg(int(node->role()));
    }
    for (int index = 0; index < node->childCount(); ++index)
        walk(node->child(index), seen, depth + 1);
}

QString nameOf(QObject* object)
{
    QAccessibleInterface* node = QAccessible::queryAccessibleInterface(object);
    return node ? node->text(QAccessible::Name) : QString();
}

} // namespace

class AccessibilityTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TemporaryFolder> m_base;
    std::unique_ptr<TForm1> m_window;

    Walk walkWindow() const
    {
        Walk seen;
        walk(QAccessible::queryAccessibleInterface(m_window.get()), seen);
        return seen;
    }

    void showPage(const char* tabs, int index)
    {
        qobject_cast<QTabWidget*>(child(*m_window, tabs))->setCurrentIndex(index);
        QCoreApplication::processEvents();
    }

private slots:
    void init()
    {
        m_base = std::make_unique<TemporaryFolder>();
        m_window = std::make_unique<TestWindow>(m_base->path());
        m_window->FormActivate();
        m_window->show();
        QCoreApplication::processEvents();
    }

    void cleanup()
    {
        m_window.reset();
        m_base.reset();
    }

    void everyVisibleInteractiveControlHasAName_data()
    {
        QTest::addColumn<int>("programOrSettings");
        QTest::addColumn<QString>("pages");
        QTest::addColumn<int>("page");
        for (int page = 0; page < 5; ++page)
            QTest::addRow("film page %d", page) << 0 << QStringLiteral("PAG_Pagine") << page;
        for (int page = 0; page < 3; ++page)
            QTest::addRow("settings page %d", page) << 1 << QStringLiteral("CONF_Pagine") << page;
    }

    void everyVisibleInteractiveControlHasAName()
    {
        QFETCH(int, programOrSettings);
        QFETCH(QString, pages);
        QFETCH(int, page);
        showPage("Pagine", programOrSettings);
        showPage(pages.toLatin1().constData(), page);
        const Walk seen = walkWindow();
        // Every page shows at least the exit button, two page tab lists and one list or edit.
        QVERIFY(seen.interactive >= 4);
        QVERIFY2(seen.unnamed.isEmpty(),
                 seen.unnamed.join(QStringLiteral(", ")).toUtf8().constData());
    }

    void labelsNameTheControlsTheyDescribe()
    {
        QCOMPARE(nameOf(child(*m_window, "EDT_CercaManuale")), QStringLiteral("Films to search"));
        QCOMPARE(nameOf(child(*m_window, "ListaFilmTrovati")),
                 QStringLiteral("Titles found on The Movie Database"));
        // On Unix, Qt's interface of a combo box gives its current item as its name once it has
        // one (here "DVDProfiler database not found"): the name the window gives is checked.
        QCOMPARE(qobject_cast<QWidget*>(child(*m_window, "CBB_TitoliDVDP"))->accessibleName(),
                 QStringLiteral("Titles found in DVD Profiler"));
        QVERIFY(!nameOf(child(*m_window, "SPN_Numero")).isEmpty());
        QVERIFY(!nameOf(child(*m_window, "CHB_Copy")).isEmpty());
    }

    void picturesAndPanelsAreNamed()
    {
        for (const char* name :
             {"IMG_CoverMDB", "IMG_CoverMDB1", "IMG_Cast", "IMG_Crew", "PAN_PannelloRicerca",
              "PAN_PannelloTitoliTrovati", "Panel1", "PAN_DatiMDB", "PAN_Menu", "MEM_API"})
            QVERIFY2(!nameOf(child(*m_window, name)).isEmpty(), name);
        QCOMPARE(nameOf(child(*m_window, "IMG_CoverMDB")), QStringLiteral("TMDb Cover"));
        QCOMPARE(nameOf(child(*m_window, "IMG_CoverMDB1")), QStringLiteral("Film cover"));
    }

    void controlsSharingACaptionAreToldApart()
    {
        QCOMPARE(qobject_cast<QAbstractButton*>(child(*m_window, "Copy"))->text(),
                 qobject_cast<QAbstractButton*>(child(*m_window, "Button1"))->text());
        QCOMPARE(nameOf(child(*m_window, "Copy")), QStringLiteral("Copy cast"));
        QCOMPARE(nameOf(child(*m_window, "Button1")), QStringLiteral("Copy crew"));
        QCOMPARE(nameOf(child(*m_window, "BTN_CopiaPhoto")), QStringLiteral("Copy photo"));
        QCOMPARE(nameOf(child(*m_window, "BTN_CopiaPhoto2")), QStringLiteral("Copy photo"));
        QVERIFY(nameOf(child(*m_window, "BTN_Cerca1")) != nameOf(child(*m_window, "BTN_Cerca2")));
        QVERIFY(nameOf(child(*m_window, "LST_CastMDB")) !=
                nameOf(child(*m_window, "LST_CastMDB2")));
    }

    void namesFollowTheInterfaceLanguage()
    {
        qobject_cast<QAbstractButton*>(child(*m_window, "BTN_Italiano"))->click();
        QCOMPARE(nameOf(child(*m_window, "EDT_CercaManuale")), QStringLiteral("Film da cercare"));
        QCOMPARE(nameOf(child(*m_window, "Copy")), QStringLiteral("Copia cast"));
        QVERIFY(walkWindow().unnamed.isEmpty());
        qobject_cast<QAbstractButton*>(child(*m_window, "BTN_Tedesco"))->click();
        QCOMPARE(nameOf(child(*m_window, "EDT_CercaManuale")), QStringLiteral("Gesuchter Film"));
        QCOMPARE(nameOf(child(*m_window, "Copy")), QStringLiteral("Besetzung kopieren"));
        QVERIFY(walkWindow().unnamed.isEmpty());
    }

    void mnemonicsAreNotRead()
    {
        const std::pair<const char*, const char*> cases[] = {
            {"&Search", "Search"}, {"Cast && Crew", "Cast & Crew"}, {"Plain", "Plain"}, {"", ""}};
        for (const auto& [caption, spoken] : cases)
            QCOMPARE(ravello::app::withoutMnemonics(QString::fromUtf8(caption)),
                     QString::fromUtf8(spoken));
    }
};

QTEST_MAIN(AccessibilityTest)
#include "accessibility_test.moc"
