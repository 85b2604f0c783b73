// The graph canvas over a QImage.
#pragma once

#include <QImage>

#include "graphs/Laerred.h"

class QtLaerred : public plotvik::Laerred {
public:
    explicit QtLaerred(QImage& billede);
    ~QtLaerred() override;
    // (the Laerred operations are declared by the owner of this unit)
};
