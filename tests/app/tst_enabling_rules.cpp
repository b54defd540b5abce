#include "enabling_rules.h"

#include <QTest>

#include <set>

Q_DECLARE_METATYPE(SessionSnapshot)

class TestEnablingRules : public QObject {
    Q_OBJECT

private slots:
    void enablesByState_data();
    void enablesByState();
};

namespace {

using enum ActionId;

SessionSnapshot state(std::initializer_list<bool SessionSnapshot::*> set)
{
    SessionSnapshot snapshot;
    for (bool SessionSnapshot::*field : set)
        snapshot.*field = true;
    return snapshot;
}

using Enabled = std::set<ActionId>;

} // namespace

Q_DECLARE_METATYPE(Enabled)

void TestEnablingRules::enablesByState_data()
{
    QTest::addColumn<SessionSnapshot>("snapshot");
    QTest::addColumn<Enabled>("enabled");

    using S = SessionSnapshot;
    const Enabled inSession{UserInfo, SetMyArenaStatus, GoUpVector, Refresh, AddContactlist};
    const auto plus = [](Enabled base, std::initializer_list<ActionId> more) {
        base.insert(more);
        return base;
    };

    QTest::newRow("no engine") << state({}) << Enabled{SearchEngine};
    QTest::newRow("no engine, everything else true")
        << state({&S::loggedIn, &S::userRowSelected, &S::selectedUserInVector,
                  &S::ownQTagIsModerator, &S::arenaCreationAllowed, &S::vectorRowSelected})
        << Enabled{SearchEngine};
    QTest::newRow("attached") << state({&S::attached}) << Enabled{Login};
    QTest::newRow("attached, rows selected, not logged in")
        << state({&S::attached, &S::userRowSelected, &S::vectorRowSelected}) << Enabled{Login};
    QTest::newRow("logged in") << state({&S::attached, &S::loggedIn}) << inSession;
    QTest::newRow("a user selected") << state({&S::attached, &S::loggedIn, &S::userRowSelected})
                                     << plus(inSession, {ShowPrivateMessageWindow});
    QTest::newRow("a user in the arena selected")
        << state({&S::attached, &S::loggedIn, &S::userRowSelected, &S::selectedUserInVector})
        << plus(inSession, {ShowPrivateMessageWindow, BreakStream});
    QTest::newRow("a moderator with a user selected")
        << state({&S::attached, &S::loggedIn, &S::userRowSelected, &S::ownQTagIsModerator})
        << plus(inSession, {ShowPrivateMessageWindow, BanThisUser, KickThisUser});
    QTest::newRow("a moderator with nobody selected")
        << state({&S::attached, &S::loggedIn, &S::ownQTagIsModerator}) << inSession;
    QTest::newRow("arena creation allowed")
        << state({&S::attached, &S::loggedIn, &S::arenaCreationAllowed})
        << plus(inSession, {CreatePrivateArena});
    QTest::newRow("a sub-vector selected")
        << state({&S::attached, &S::loggedIn, &S::vectorRowSelected})
        << plus(inSession, {VectorOwnerInfo});
}

void TestEnablingRules::enablesByState()
{
    QFETCH(SessionSnapshot, snapshot);
    QFETCH(Enabled, enabled);

    Enabled actual;
    std::set<ActionId> ruled;
    for (const ActionEnabling &rule : EnablingRules(snapshot)) {
        QVERIFY2(ruled.insert(rule.action).second, "an action has two rules");
        if (rule.enabled)
            actual.insert(rule.action);
    }
    QCOMPARE(actual, enabled);
    QCOMPARE(ruled.size(), size_t(13));
}

QTEST_APPLESS_MAIN(TestEnablingRules)
#include "tst_enabling_rules.moc"
