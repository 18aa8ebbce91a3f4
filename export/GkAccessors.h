// The four text accessors of the export: each is a ClTextAccessor over one of
// the format tables of GkFormats.h and owns that table's record, right behind
// the base. The record is the accessor's only member, so writing a line means
// filling Record() and calling Write().
#pragma once

#include "export/GkFormats.h"
#include "textaccessor/textaccessor.h"

class ClGInfoAccessor : public ClTextAccessor {
public:
    ClGInfoAccessor() : ClTextAccessor("G_INFO", G_INFO, G_INFO_COUNT, &m_rec), m_rec() {}
    ~ClGInfoAccessor() override = default;
    StGINFOREC& Record() { return m_rec; }

private:
    StGINFOREC m_rec;
};

class ClGHeadAccessor : public ClTextAccessor {
public:
    ClGHeadAccessor() : ClTextAccessor("G_HEAD", G_HEAD, G_HEAD_COUNT, &m_rec), m_rec() {}
    ~ClGHeadAccessor() override = default;
    StGHEADREC& Record() { return m_rec; }

private:
    StGHEADREC m_rec;
};

class ClGHeaderAccessor : public ClTextAccessor {
public:
    ClGHeaderAccessor() : ClTextAccessor("G_HEADER", G_HEADER, G_HEADER_COUNT, &m_rec), m_rec() {}
    ~ClGHeaderAccessor() override = default;
    StGHEADERREC& Record() { return m_rec; }

private:
    StGHEADERREC m_rec;
};

class ClGSscAccessor : public ClTextAccessor {
public:
    ClGSscAccessor() : ClTextAccessor("G_SSC", G_SSC, G_SSC_COUNT, &m_rec), m_rec() {}
    ~ClGSscAccessor() override = default;
    StGSSCREC& Record() { return m_rec; }

private:
    StGSSCREC m_rec;
};
