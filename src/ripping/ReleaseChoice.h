#pragma once
// "Choose the Release": the MusicBrainz releases that hold the disc, one a row (title, artist,
// date, country, label, format), for the user to pick the one the disc belongs to.

#include "components/net/MusicBrainz.h"

#include <QDialog>

#include <vector>

class QPushButton;
class QTreeWidget;

class ReleaseChoice : public QDialog {
    Q_OBJECT
public:
    ReleaseChoice(QWidget* parent, const std::vector<net::Release>& releases);
    // The row picked; -1 when none is.
    int chosen() const;

    QTreeWidget* lstReleases;
    QPushButton* cmdOk;
    QPushButton* cmdCancel;

    // Shows the dialog modally; the index of the release picked, or -1 when cancelled.
    static int choose(QWidget* parent, const std::vector<net::Release>& releases);
};
