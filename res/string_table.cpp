#include "res/corvane_resources.h"
#include "res/resource.h"

#include <array>

namespace {

// English (United States). The enclosing double quotes of 112, 113, 114, 123
// and 124 belong to the stored texts.
constexpr std::array kStringTable = {
    StringResource{IDS_ABOUTBOX, u"&About Corvane..."},
    StringResource{IDS_SELECT_XML_FILE, u"Select XML file to validate"},
    StringResource{IDS_EDITOR_FAILED, u"Can not load editor"},
    StringResource{IDS_SELECT_EDITOR, u"Select the editor to use"},
    StringResource{IDS_LOADED_VALIDATED, u"Loaded and Validated"},
    StringResource{IDS_HELP_FILE,
                   u"XML File - File Name\n     Browse to the 'XML'file you wish to validate.\n\n"},
    StringResource{IDS_HELP_INTRO,
                   u"This application, validates an XML file using its internally defined schema.\n"},
    StringResource{IDS_HELP_SCHEMA,
                   u"The position of the schema must be fully internally defined and you must be "
                   u"connected to the internet if the schema is defined at a remote location.This "
                   u"will generally be the case if the file is a LandXML file.\n"},
    StringResource{IDS_HELP_PARSER,
                   u"The application uses Microsoft's MSXML parser to perform the Validation. This "
                   u"must be installed on your computer.\n\n"},
    StringResource{IDS_HELP_OK,
                   u"OK\n      This will commence the validation. Because of the complexity of XML "
                   u"data structures, the parser can only report the first error detected.\n\n"},
    StringResource{IDS_ERROR_HEADER, u"Error:\r\n"},
    StringResource{IDS_ERROR_CODE, u"\"Code = 0x%x\r\n\""},
    StringResource{IDS_ERROR_SOURCE, u"\"Source = Line : %ld; Char : %ld\r\n\""},
    StringResource{IDS_ERROR_DESCRIPTION, u"\"Error Description = %s\r\n\""},
    StringResource{IDS_LOAD_FAILED, u"Unable to load or parse this file"},
    StringResource{IDS_XML_FILTER, u"\"XML Data (*.%1)|*.%2|\""},
    StringResource{IDS_EDITOR_FILTER, u"\"Editor (*.%1)|*.%2|\""},
    StringResource{IDS_PLEASE_WAIT, u"Please be Patient  - Validation may take a few minutes "},
    StringResource{IDS_HELP_EDITOR,
                   u"Configure Editor - Editor\n      Browse to the Editor you wish to use to edit "
                   u"the XML file.\n      This only needs to be done when you wish to change the "
                   u"editor.\n\n"},
    StringResource{IDS_HELP_RESULT,
                   u"Result of Validation\n      If an error occurs Microsoft's MSXML parser's "
                   u"error message will be shown here.\n      If successfull,'Loaded and Validated' "
                   u"will be displayed.\n\n"},
    StringResource{IDS_HELP_EDIT,
                   u"Edit\n      This will open the XML file with the editor you have configured.\n\n"},
    // A file named on the command line that cannot be taken.
    StringResource{IDS_NAME_HOLDS_BACKSLASH,
                   u"The file %s cannot be opened: its name holds a backslash, which Corvane cannot tell "
                   u"apart from a folder separator. Rename the file, or choose another one."},
    StringResource{IDS_FILE_NOT_FOUND, u"The file %s does not exist."},
};

} // namespace

std::span<const StringResource> CorvaneStringTable()
{
    return kStringTable;
}
