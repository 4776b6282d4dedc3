#include "model/SkemtorApp.h"

void CSkemtorApp::SetCaseName(const std::string& name) {
    m_caseName = name.substr(0, kCaseNameLength);
    m_caseName.resize(kCaseNameLength, ' ');
}
