// The main window under a real window manager. CTest runs this suite on a
// virtual X server (xvfb-run) with the xcb platform; the test starts openbox
// itself, with margins that make the work area smaller than the screen, and
// reads what the manager reports (the frame extents, the work area, the
// window's place) through xprop and xwininfo, independent of Qt. Elsewhere
// (the offscreen platform) it is skipped.
#include "form1_harness.h"

#include <QGuiApplication>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <optional>

namespace rq::app::testing {
namespace {

// Openbox keeps its margins free of windows (as a panel would) and takes
// them off the work area it publishes.
struct Desktop {
    const char* name;
    QMargins margins; // left, top, right, bottom
};

void PrintTo(const Desktop& desktop, std::ostream* out) {
    *out << desktop.name;
}

const Desktop kDesktops[] = {
    {"WholeScreen", {0, 0, 0, 0}},
    {"Margins", {16, 24, 8, 32}},
};

QByteArray openboxConfig(const QMargins& m) {
    return QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                          "<openbox_config xmlns=\"http://openbox.org/3.4/rc\">\n"
                          "  <margins><top>%1</top><bottom>%2</bottom><left>%3</left>"
                          "<right>%4</right></margins>\n"
                          "</openbox_config>\n")
        .arg(m.top())
        .arg(m.bottom())
        .arg(m.left())
        .arg(m.right())
        .toUtf8();
}

const QRect kScreen(0, 0, 1280, 1024); // the virtual X server CTest starts

QString output(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(5000))
        return {};
    return QString::fromLocal8Bit(process.readAllStandardOutput());
}

// The first count whole numbers after "=" of an xprop line; nothing when the
// property is not set.
std::optional<std::vector<int>> cardinals(const QString& xpropLine, int count) {
    const qsizetype equals = xpropLine.indexOf(QLatin1Char('='));
    if (equals < 0)
        return std::nullopt;
    std::vector<int> values;
    for (const QString& part : xpropLine.mid(equals + 1).split(QLatin1Char(','))) {
        bool ok = false;
        values.push_back(part.trimmed().toInt(&ok));
        if (!ok)
            return std::nullopt;
    }
    if (static_cast<int>(values.size()) < count)
        return std::nullopt;
    values.resize(static_cast<std::size_t>(count));
    return values;
}

QString windowId(WId id) {
    return QStringLiteral("0x") + QString::number(id, 16);
}

std::optional<QRect> workArea() {
    const auto v = cardinals(
        output(QStringLiteral("xprop"), {QStringLiteral("-root"), QStringLiteral("-notype"),
                                         QStringLiteral("_NET_WORKAREA")}),
        4);
    if (!v)
        return std::nullopt;
    return QRect((*v)[0], (*v)[1], (*v)[2], (*v)[3]);
}

// left, right, top, bottom as the manager publishes them.
std::optional<QMargins> frameExtents(WId window) {
    const auto v =
        cardinals(output(QStringLiteral("xprop"),
                         {QStringLiteral("-id"), windowId(window), QStringLiteral("-notype"),
                          QStringLiteral("_NET_FRAME_EXTENTS")}),
                  4);
    if (!v)
        return std::nullopt;
    return QMargins((*v)[0], (*v)[2], (*v)[1], (*v)[3]);
}

// The client window's place on the screen.
std::optional<QRect> clientRect(WId window) {
    const QString info =
        output(QStringLiteral("xwininfo"), {QStringLiteral("-id"), windowId(window)});
    const auto field = [&](const char* name) -> std::optional<int> {
        const QRegularExpression pattern(QString::fromLatin1(name) +
                                         QStringLiteral(":\\s+(-?\\d+)"));
        const QRegularExpressionMatch match = pattern.match(info);
        if (!match.hasMatch())
            return std::nullopt;
        return match.captured(1).toInt();
    };
    const auto x = field("Absolute upper-left X"), y = field("Absolute upper-left Y"),
               w = field("Width"), h = field("Height");
    if (!x || !y || !w || !h)
        return std::nullopt;
    return QRect(*x, *y, *w, *h);
}

// Whether a live window manager answers: the check window that the root
// names still exists (a manager that has ended leaves the root's properties
// behind, naming a window that is gone).
bool managerRunning() {
    const QString check =
        output(QStringLiteral("xprop"), {QStringLiteral("-root"), QStringLiteral("-notype"),
                                         QStringLiteral("_NET_SUPPORTING_WM_CHECK")});
    const QRegularExpressionMatch id =
        QRegularExpression(QStringLiteral("window id # (0x[0-9a-f]+)")).match(check);
    return id.hasMatch() && output(QStringLiteral("xprop"),
                                   {QStringLiteral("-id"), id.captured(1),
                                    QStringLiteral("-notype"), QStringLiteral("_NET_WM_NAME")})
                                .contains(QStringLiteral("Openbox"));
}

std::string describe(const QRect& r) {
    return std::to_string(r.left()) + "," + std::to_string(r.top()) + " " +
           std::to_string(r.width()) + "x" + std::to_string(r.height());
}

class WindowManager : public MainWindowTest, public ::testing::WithParamInterface<Desktop> {
protected:
    void SetUp() override {
        if (QGuiApplication::platformName() != QStringLiteral("xcb"))
            GTEST_SKIP() << "needs an X display (CTest runs this suite under xvfb-run)";
        ASSERT_TRUE(config_.isValid());
        const QString rc = config_.filePath(QStringLiteral("rc.xml"));
        QFile file(rc);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(openboxConfig(GetParam().margins));
        file.close();
        openbox_.start(QStringLiteral("openbox"),
                       {QStringLiteral("--sm-disable"), QStringLiteral("--config-file"), rc});
        ASSERT_TRUE(openbox_.waitForStarted(5000)) << "openbox could not be started";
        // The manager has taken over once it answers and publishes the work
        // area of its margins.
        const QRect expected = kScreen.marginsRemoved(GetParam().margins);
        ASSERT_TRUE(
            QTest::qWaitFor([&] { return managerRunning() && workArea() == expected; }, 10000))
            << "openbox did not start, the virtual screen is not 1280x1024, or openbox ignored "
               "its margins";
        MainWindowTest::SetUp();
    }

    void TearDown() override {
        MainWindowTest::TearDown();
        if (openbox_.state() != QProcess::NotRunning) {
            openbox_.terminate();
            if (!openbox_.waitForFinished(5000))
                openbox_.kill();
            openbox_.waitForFinished(5000);
        }
    }

    // The window's whole frame, as the manager has placed it.
    std::optional<QRect> frame() const {
        const WId id = form().winId();
        const auto extents = frameExtents(id);
        const auto client = clientRect(id);
        if (!extents || !client)
            return std::nullopt;
        return client->marginsAdded(*extents);
    }

    QTemporaryDir config_;
    QProcess openbox_;
};

// The caption bar, the borders and the close box all lie on the work area,
// and the frame is stretched over it.
TEST_P(WindowManager, WholeFrameLiesOnTheWorkAreaAndSpansIt) {
    const std::optional<QRect> area = workArea();
    ASSERT_TRUE(area.has_value());
    // The manager reports the frame once it has framed the window; the
    // window then fits itself again.
    const bool settled = QTest::qWaitFor([&] { return frame() == area; }, 10000);
    RecordProperty("settled", settled ? "yes" : "no");
    const std::optional<QRect> placed = frame();
    ASSERT_TRUE(placed.has_value()) << "openbox reported no frame extents";
    const auto extents = frameExtents(form().winId());
    EXPECT_GT(extents->top(), 0) << "openbox drew no caption bar";
    EXPECT_TRUE(area->contains(*placed))
        << "frame " << describe(*placed) << " leaves the work area " << describe(*area);
    EXPECT_EQ(placed->left(), area->left());
    EXPECT_EQ(placed->width(), area->width())
        << "frame " << describe(*placed) << ", work area " << describe(*area);
    EXPECT_EQ(placed->top(), area->top());
    EXPECT_EQ(placed->height(), area->height());
}

INSTANTIATE_TEST_SUITE_P(WindowManager, WindowManager, ::testing::ValuesIn(kDesktops),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace rq::app::testing
