// Schematron's place until its engine is built in: the association is
// reported as not checked, so a document that names rules never passes
// without them. The engine replaces this file (xml_association_checks.h).

#include "platform/text/text_encoding.h"
#include "platform/xml/component/xml_error_codes.h"
#include "platform/xml/load/xml_association_checks.h"

std::vector<XmlLoadError> CheckSchematronAssociation(const XmlSchematronCheck& check)
{
    return {MakeXmlLoadError(XmlOwnErrorCode(XmlOwnError::AssociatedLanguageNotChecked), check.association->line, 0,
                             AnsiToWide("The Schematron schema " + check.schemaShown + " " + check.instruction +
                                        " is not checked: this build of Corvane has no Schematron engine yet"))};
}
