// The launcher beside the drill programs of an installation: lists every program folder next to
// its own folder that holds a program, and starts the chosen one. The drills start it with "001"
// when a student leaves; it then offers the way back in.
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

struct Program {
    QString title;
    QString path;
};

// A program folder holds an executable whose name is not a companion tool's.
QList<Program> findPrograms(const QDir &installation, const QString &ownFolder) {
    QList<Program> programs;
    for (const QFileInfo &folder : installation.entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name)) {
        if (folder.fileName() == ownFolder) continue;
        const QDir dir(folder.absoluteFilePath());
        for (const QFileInfo &file : dir.entryInfoList(QDir::Files | QDir::Executable, QDir::Name)) {
            if (file.fileName().endsWith(QStringLiteral("-data"))) continue;
            programs.append({folder.fileName(), file.absoluteFilePath()});
            break;
        }
    }
    return programs;
}

class LauncherWindow : public QWidget {
public:
    explicit LauncherWindow(const QList<Program> &programs) : programs_(programs) {
        setWindowTitle(QStringLiteral("ランチャー"));
        auto *layout = new QVBoxLayout(this);
        auto *heading = new QLabel(QStringLiteral("やりたいプログラムを選んで Enter を押しなさい"), this);
        QFont font = heading->font();
        font.setPixelSize(24);
        heading->setFont(font);
        layout->addWidget(heading);
        list_ = new QListWidget(this);
        font.setPixelSize(32);
        list_->setFont(font);
        for (const Program &p : programs_) list_->addItem(p.title);
        if (!programs_.isEmpty()) list_->setCurrentRow(0);
        layout->addWidget(list_);
        auto *start = new QPushButton(QStringLiteral("スタート"), this);
        auto *quit = new QPushButton(QStringLiteral("おわり"), this);
        layout->addWidget(start);
        layout->addWidget(quit);
        connect(start, &QPushButton::clicked, this, [this] { startChosen(); });
        connect(list_, &QListWidget::itemActivated, this, [this] { startChosen(); });
        connect(quit, &QPushButton::clicked, this, &QWidget::close);
        resize(640, 480);
        list_->setFocus();
    }

private:
    void startChosen() {
        const int row = list_->currentRow();
        if (row < 0 || row >= programs_.size()) return;
        const Program &p = programs_[row];
        if (!QProcess::startDetached(p.path, {}, QFileInfo(p.path).absolutePath())) {
            QMessageBox::warning(this, windowTitle(), QStringLiteral("起動できません: ") + p.path);
            return;
        }
        close();
    }

    QList<Program> programs_;
    QListWidget *list_;
};

}  // namespace

int main(int argc, char **argv) {
    QApplication app(argc, argv);
    const QDir own(QCoreApplication::applicationDirPath());
    QDir installation = own;
    installation.cdUp();
    LauncherWindow window(findPrograms(installation, own.dirName()));
    window.show();
    window.activateWindow();
    return app.exec();
}
