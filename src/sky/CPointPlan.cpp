// SPDX-License-Identifier: GPL-3.0-or-later
#include "sky/CPointPlan.h"

#include "archive/CArchiveReader.h"
#include "archive/CArchiveWriter.h"

namespace zarn {

CPointPlan::CPointPlan(double alpha, double delta)
{
    m_alpha = alpha;
    m_delta = delta;
}

void CPointPlan::load(CArchiveReader& archive)
{
    m_alpha = archive.readDouble();
    m_delta = archive.readDouble();
}

void CPointPlan::store(CArchiveWriter& archive) const
{
    archive.writeDouble(m_alpha);
    archive.writeDouble(m_delta);
}

}  // namespace zarn
