#pragma once
// Unit3: the all-disks screen (TfmAlldisk).
#include <QDialog>
#include <array>

class QAction;
class QMenuBar;

namespace vok {

struct Services;
class ScreenContext;
class TPieGraf;

// The all-disks screen: one small pie per drive from C to Z with its free share, and the used
// and total space of all of them in the caption; its menu sets the pies' colours and font.
class TfmAlldisk : public QDialog {
    Q_OBJECT
public:
    // The context's shared colours are read at each activation and written by the Color menu.
    TfmAlldisk(const Services& services, ScreenContext& context, QWidget* parent = nullptr);

    static constexpr int kPies = 24;
    std::array<TPieGraf*, kPies> PieGraf{}; // PieGraf[0] is PieGraf1
    QAction *FreeSpace1, *UsedSpace1, *TextFont1;

    void FormActivate();
    void FreeSpace1Click();
    void UsedSpace1Click();
    void TextFont1Click();

    // How many drives the last activation showed.
    int shownDrives() const { return shown_; }

private:
    void buildMenu();

    const Services& services_;
    ScreenContext& context_;
    QMenuBar* menuBar_ = nullptr;
    int shown_ = 0;
};

} // namespace vok
