// The settings window's sound controls: bell kind, volumes, the sound choice of each event and
// the listen pictures beside the lists.
#include "shell/settings_window.h"

#include "common/globals.h"
#include "shell/named_control.h"
#include "shell/pictures.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QSlider>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

QSlider *volumeSlider(QWidget *parent, const char *name, const QString &description)
{
    auto *slider = named(new QSlider(Qt::Horizontal, parent), name);
    slider->setRange(0, 100);
    slider->setSingleStep(1);
    slider->setAccessibleName(description);
    return slider;
}

// The label beside a volume slider follows its value: "Оповещение - 80".
QLabel *volumeLabel(QWidget *parent, const char *name, const QString &prefix, QSlider *slider)
{
    auto *label = named(new QLabel(prefix + QString::number(slider->value()), parent), name);
    QObject::connect(slider, &QSlider::valueChanged, label, [label, prefix](int value) {
        label->setText(prefix + QString::number(value));
    });
    return label;
}

// One event's "Выбранное" / "Случайное" pair over its file list, as its own exclusive group.
QGroupBox *soundChoiceBox(const QString &title, QRadioButton *chosen, QRadioButton *random,
                          QComboBox *list, QToolButton *listen, QWidget *parent)
{
    auto *box = new QGroupBox(title, parent);
    auto *group = new QButtonGroup(box);
    group->addButton(chosen);
    group->addButton(random);
    list->setAccessibleName(QStringLiteral("Файл: ") + title);
    listen->setAccessibleName(QStringLiteral("Прослушать: ") + title);
    listen->setToolTip(listen->accessibleName());
    auto *layout = new QVBoxLayout(box);
    layout->setContentsMargins(4, 2, 4, 2);
    layout->setSpacing(2);
    auto *choice = new QHBoxLayout;
    choice->addWidget(chosen);
    choice->addWidget(random);
    layout->addLayout(choice);
    auto *listRow = new QHBoxLayout;
    listRow->addWidget(list, 1);
    listRow->addWidget(listen);
    layout->addLayout(listRow);
    return box;
}

} // namespace

void TForm3::buildSoundBox(QGridLayout *settings)
{
    QWidget *box = sGroupBox2;
    auto *kindBox = named(new QGroupBox(box), "sGroupBox4");
    sRadioButton3 = named(new QRadioButton(QStringLiteral("Голос"), kindBox), "sRadioButton3");
    sRadioButton4 = named(new QRadioButton(QStringLiteral("Звонок"), kindBox), "sRadioButton4");
    sRadioButton3->setChecked(true);
    auto *kindLayout = new QVBoxLayout(kindBox);
    kindLayout->addWidget(sRadioButton3);
    kindLayout->addWidget(sRadioButton4);

    auto *volumeBox = new QGroupBox(QStringLiteral("Громкость"), box);
    TrackBar1 = volumeSlider(volumeBox, "TrackBar1", QStringLiteral("Громкость оповещения"));
    TrackBar2 = volumeSlider(volumeBox, "TrackBar2", QStringLiteral("Громкость музыки"));
    Label14 = volumeLabel(volumeBox, "Label14", QStringLiteral("Оповещение - "), TrackBar1);
    Label15 = volumeLabel(volumeBox, "Label15", QStringLiteral("Музыка - "), TrackBar2);
    auto *volumeLayout = new QVBoxLayout(volumeBox);
    volumeLayout->setContentsMargins(4, 2, 4, 2);
    volumeLayout->setSpacing(0);
    volumeLayout->addWidget(Label14);
    volumeLayout->addWidget(TrackBar1);
    volumeLayout->addWidget(Label15);
    volumeLayout->addWidget(TrackBar2);

    auto *soundBox = named(new QGroupBox(QStringLiteral("Звук"), box), "GroupBox3");
    RadioButton1 = named(new QRadioButton(QStringLiteral("Выбранное")), "RadioButton1");
    RadioButton2 = named(new QRadioButton(QStringLiteral("Случайное")), "RadioButton2");
    RadioButton3 = named(new QRadioButton(QStringLiteral("Выбранное")), "RadioButton3");
    RadioButton4 = named(new QRadioButton(QStringLiteral("Случайное")), "RadioButton4");
    RadioButton5 = named(new QRadioButton(QStringLiteral("Выбранное")), "RadioButton5");
    RadioButton6 = named(new QRadioButton(QStringLiteral("Случайное")), "RadioButton6");
    ComboBox1 = named(new QComboBox, "ComboBox1");
    ComboBox2 = named(new QComboBox, "ComboBox2");
    ComboBox3 = named(new QComboBox, "ComboBox3");
    Image5 = named(new QToolButton, "Image5");
    Image6 = named(new QToolButton, "Image6");
    Image7 = named(new QToolButton, "Image7");
    for (QToolButton *listen : { Image5, Image6, Image7 }) {
        listen->setIcon(playIcon());
        connect(listen, &QToolButton::clicked, this, &TForm3::Image5Click);
    }
    RadioButton1->setChecked(true);
    RadioButton4->setChecked(true);
    RadioButton6->setChecked(true);
    auto *soundLayout = new QHBoxLayout(soundBox);
    soundLayout->setContentsMargins(4, 2, 4, 2);
    soundLayout->addWidget(soundChoiceBox(QStringLiteral("Начало урока"), RadioButton1,
                                          RadioButton2, ComboBox1, Image5, soundBox));
    soundLayout->addWidget(soundChoiceBox(QStringLiteral("Перемена"), RadioButton3, RadioButton4,
                                          ComboBox2, Image6, soundBox));
    soundLayout->addWidget(soundChoiceBox(QStringLiteral("Окончание уроков"), RadioButton5,
                                          RadioButton6, ComboBox3, Image7, soundBox));

    settings->addWidget(kindBox, 0, 1);
    settings->addWidget(volumeBox, 0, 2);
    settings->addWidget(soundBox, 2, 0, 1, 4);
}

void TForm3::Image5Click()
{
    // The list's full path, so a file found in a subfolder is played from where it lies.
    const QString name = sender() ? sender()->objectName() : QStringLiteral("Image5");
    const auto [files, list] = name == QLatin1String("Image6") ? std::pair { &Memo3, ComboBox2 }
        : name == QLatin1String("Image7")                      ? std::pair { &Memo4, ComboBox3 }
                                                               : std::pair { &Memo2, ComboBox1 };
    const QString file = files->value(list->currentIndex());
    if (file.isEmpty())
        return;
    MediaPlayer1->clear();
    MediaPlayer1->setFileName(file);
    MediaPlayer1->setVolume(TrackBar1->value() / 100.0);
    MediaPlayer1->play();
}
