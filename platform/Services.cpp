#include "platform/Services.h"

#include "platform/HelpViewer.h"
#include "platform/PrintEngine.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDateTime>
#include <QDesktopServices>
#include <QDialog>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMessageBox>
#include <QRegularExpression>
#include <QScreen>
#include <QStandardPaths>
#include <QTimer>
#include <QUrl>
#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

class QtTimer : public ITimer {
public:
    QtTimer() {
        QObject::connect(&FTimer, &QTimer::timeout, [this] {
            if (OnTimer)
                OnTimer();
        });
    }
    void SetInterval(int msecs) override { FTimer.setInterval(msecs); }
    int Interval() const override { return FTimer.interval(); }
    void SetEnabled(bool enabled) override {
        if (enabled)
            FTimer.start();
        else
            FTimer.stop();
    }
    bool Enabled() const override { return FTimer.isActive(); }

private:
    QTimer FTimer;
};

QString gApplicationTitle;
Services* gServices = nullptr;

} // namespace

int Services::MessageDlg(const QString& text, TMsgDlgType type, TMsgDlgButtons buttons) {
    QMessageBox box;
    static const QMessageBox::Icon icons[] = {QMessageBox::Warning, QMessageBox::Critical,
                                              QMessageBox::Information, QMessageBox::Question,
                                              QMessageBox::NoIcon};
    box.setIcon(icons[type <= mtCustom ? type : mtCustom]);
    static const char* titles[] = {"Warning", "Error", "Information", "Confirm", ""};
    box.setWindowTitle(type == mtCustom ? ApplicationTitle() : QString(titles[type]));
    // Texts may quote what the user typed (a game title): never read as markup.
    box.setTextFormat(Qt::PlainText);
    box.setText(text);
    QMessageBox::StandardButtons qtButtons;
    if (buttons & mbYes)
        qtButtons |= QMessageBox::Yes;
    if (buttons & mbNo)
        qtButtons |= QMessageBox::No;
    if (buttons & mbOK)
        qtButtons |= QMessageBox::Ok;
    if (buttons & mbCancel)
        qtButtons |= QMessageBox::Cancel;
    box.setStandardButtons(qtButtons);
    if (buttons & mbCancel)
        box.setEscapeButton(QMessageBox::Cancel);
    else if (buttons & mbNo)
        box.setEscapeButton(QMessageBox::No);
    switch (box.exec()) {
    case QMessageBox::Yes:
        return mrYes;
    case QMessageBox::No:
        return mrNo;
    case QMessageBox::Ok:
        return mrOk;
    default:
        return (buttons & mbCancel) || !(buttons & mbNo) ? mrCancel : mrNo;
    }
}

TDateTime Services::Now() {
    const QDateTime now = QDateTime::currentDateTime();
    const QDate date = now.date();
    const QTime time = now.time();
    return EncodeDate(date.year(), date.month(), date.day()) +
           EncodeTime(time.hour(), time.minute(), time.second(), time.msec());
}

uint32_t Services::NextRandom() {
    FRandSeed = FRandSeed * 134775813u + 1u;
    return FRandSeed;
}

int Services::Random(int range) {
    if (range <= 0)
        return 0;
    return int((uint64_t(NextRandom()) * uint64_t(range)) >> 32);
}

double Services::RandomFloat() {
    return double(NextRandom()) / 4294967296.0;
}

void Services::Randomize() {
    FRandSeed = uint32_t(QDateTime::currentMSecsSinceEpoch());
}

std::unique_ptr<ITimer> Services::CreateTimer() {
    return std::make_unique<QtTimer>();
}

int Services::ShellOpen(const QString& fileName, const QString& parameters) {
    Q_UNUSED(parameters);
    const QUrl url = QUrl::fromUserInput(fileName, QDir::currentPath(), QUrl::AssumeLocalFile);
    if (url.isLocalFile()) {
        const QFileInfo info(url.toLocalFile());
        if (!info.dir().exists())
            return 3;
        if (!info.exists())
            return 2;
    }
    return QDesktopServices::openUrl(url) ? 42 : 31;
}

QString Services::DocumentsFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
}

QString Services::TempFolder() {
    // A private folder of this user, not the shared temporary folder itself.
    const QString base = QDir::tempPath();
    const QString folder = base + QString("/glyphtrove-%1").arg(getuid());
    if (mkdir(folder.toLocal8Bit().constData(), 0700) != 0 && errno != EEXIST)
        return QString();
    struct stat info;
    if (lstat(folder.toLocal8Bit().constData(), &info) != 0 || !S_ISDIR(info.st_mode) ||
        info.st_uid != getuid())
        return QString();
    chmod(folder.toLocal8Bit().constData(), 0700);
    return folder;
}

QString Services::HomeFolder() {
    return QDir::homePath();
}

QString Services::ProgramFolder() {
    return QCoreApplication::applicationDirPath();
}

void Services::ShowHelp(const QString& helpFile, int context) {
    THelpViewer::ShowContext(helpFile, context);
}

void Services::ProcessMessages() {
    QCoreApplication::processEvents();
}

void Services::HandleMessage() {
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

namespace {

// Centres a dialog over its owner as it shows, before the dialog's own show
// handling, which may place it elsewhere as its form says.
class TOwnerPlacement : public QObject {
public:
    explicit TOwnerPlacement(QDialog& Dialog) : FDialog(Dialog) { Dialog.installEventFilter(this); }
    ~TOwnerPlacement() override { FDialog.removeEventFilter(this); }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == &FDialog && event->type() == QEvent::Show && !event->spontaneous())
            services().PlaceWindow(FDialog, poOwnerFormCenter);
        return false;
    }

private:
    QDialog& FDialog;
};

} // namespace

int Services::ExecModal(QDialog& dialog) {
    const TOwnerPlacement placement(dialog);
    const int result = dialog.exec();
    return result == QDialog::Rejected ? int(mrCancel) : result;
}

QWidget* DialogOwner(QWidget* parent) {
    if (parent && parent->window()->isVisible())
        return parent->window();
    QWidget* active = QApplication::activeWindow();
    return active && active->isVisible() ? active : nullptr;
}

QRect FrameOnScreen(const QWidget& window) {
    const QPoint frameToClient = window.geometry().topLeft() - window.frameGeometry().topLeft();
    return QRect(window.mapToGlobal(QPoint(0, 0)) - frameToClient, window.frameGeometry().size());
}

QPoint CentredPosition(const QSize& Size, const QRect& Centre, const QRect& Bounds) {
    const auto place = [](int start, int length, int size, int low, int boundsLength) {
        const int centred = start + (length - size) / 2;
        if (size > boundsLength)
            return low;
        return qBound(low, centred, low + boundsLength - size);
    };
    return QPoint(
        place(Centre.left(), Centre.width(), Size.width(), Bounds.left(), Bounds.width()),
        place(Centre.top(), Centre.height(), Size.height(), Bounds.top(), Bounds.height()));
}

void Services::PlaceWindow(QWidget& window, TPosition position) {
    QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect desktop = screen->availableVirtualGeometry();
    QRect centre;
    switch (position) {
    case poScreenCenter:
        centre = screen->availableGeometry();
        break;
    case poDesktopCenter:
        centre = desktop;
        break;
    case poOwnerFormCenter: {
        const QWidget* owner = DialogOwner(window.parentWidget());
        centre = owner && owner != &window ? FrameOnScreen(*owner) : screen->availableGeometry();
        break;
    }
    default:
        return;
    }
    window.move(CentredPosition(window.frameGeometry().size(), centre, desktop));
}

namespace {

bool RunFileDialog(QWidget* parent, TFileDialogOptions& options, bool save) {
    QFileDialog dialog(DialogOwner(parent), options.Title);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    if (save && !options.OverwritePrompt)
        dialog.setOption(QFileDialog::DontConfirmOverwrite);
    const QStringList filters = QtNameFilters(options.Filter);
    dialog.setNameFilters(filters);
    const int index = qBound(1, options.FilterIndex, qMax(1, int(filters.size())));
    if (!filters.isEmpty())
        dialog.selectNameFilter(filters[index - 1]);
    // A name typed without an extension takes the chosen filter's, so the
    // overwrite question is about the file that the caller writes.
    const QStringList extensions = FilterExtensions(options.Filter);
    const auto useFilterSuffix = [&](int filter) {
        const QString extension = extensions.value(filter);
        dialog.setDefaultSuffix(
            options.DefaultExt.isEmpty() || extension.isEmpty() ? options.DefaultExt : extension);
    };
    useFilterSuffix(index - 1);
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog,
                     [&](const QString& chosen) { useFilterSuffix(int(filters.indexOf(chosen))); });
    if (!options.InitialDir.isEmpty())
        dialog.setDirectory(options.InitialDir);
    if (!options.FileName.isEmpty())
        dialog.selectFile(options.FileName);
    if (services().ExecModal(dialog) != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return false;
    options.FileName = dialog.selectedFiles().first();
    options.FilterIndex = int(filters.indexOf(dialog.selectedNameFilter())) + 1;
    return true;
}

} // namespace

bool Services::OpenFileDialog(QWidget* parent, TFileDialogOptions& options) {
    return RunFileDialog(parent, options, false);
}

bool Services::SaveFileDialog(QWidget* parent, TFileDialogOptions& options) {
    return RunFileDialog(parent, options, true);
}

std::unique_ptr<IPrintEngine> Services::CreatePrintEngine(QWidget* parent) {
    return std::make_unique<THTMLPrintEngine>(parent);
}

namespace {

struct TFilterEntry {
    QString Description;
    QStringList Patterns;
};

// The "description|patterns" pairs of a filter, its patterns split at ';'.
std::vector<TFilterEntry> FilterEntries(const QString& filter) {
    std::vector<TFilterEntry> entries;
    const QStringList parts = filter.split('|');
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        QStringList patterns = parts[i + 1].split(';', Qt::SkipEmptyParts);
        for (QString& pattern : patterns)
            pattern = pattern.trimmed();
        entries.push_back({parts[i], patterns});
    }
    return entries;
}

} // namespace

QStringList QtNameFilters(const QString& filter) {
    QStringList result;
    for (TFilterEntry& entry : FilterEntries(filter)) {
        QString description = entry.Description;
        const int bracket = int(description.lastIndexOf('('));
        if (bracket > 0)
            description = description.left(bracket).trimmed();
        for (QString& pattern : entry.Patterns)
            if (pattern == "*.*")
                pattern = "*";
        result << QString("%1 (%2)").arg(description, entry.Patterns.join(' '));
    }
    return result;
}

QStringList FilterExtensions(const QString& filter) {
    static const QRegularExpression oneExtension(QStringLiteral("^\\*\\.([^*?\\[.]+)$"));
    QStringList result;
    for (const TFilterEntry& entry : FilterEntries(filter)) {
        const QRegularExpressionMatch match = oneExtension.match(entry.Patterns.value(0));
        result << (match.hasMatch() ? match.captured(1) : QString());
    }
    return result;
}

QString ApplicationTitle() {
    return gApplicationTitle.isEmpty() ? QCoreApplication::applicationName() : gApplicationTitle;
}

void SetApplicationTitle(const QString& title) {
    gApplicationTitle = title;
}

Services& services() {
    static Services real;
    if (!gServices) {
        gServices = &real;
        real.Randomize();
    }
    return *gServices;
}

Services* SetServices(Services* replacement) {
    Services* previous = gServices;
    gServices = replacement;
    return previous;
}

QString HelpFileBesideProgram() {
    return QDir(services().ProgramFolder()).filePath("Glyphtrove.hlp");
}
