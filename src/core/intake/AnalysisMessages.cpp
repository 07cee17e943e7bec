#include "intake/AnalysisMessages.h"

#include "intake/AnalysisAxes.h"
#include "shell/NumberText.h"

#include <string>

namespace torval {

namespace {

Message box(std::string text, std::string title, MessageIcon icon) {
    Message message;
    message.text = std::move(text);
    message.title = std::move(title);
    message.icon = icon;
    return message;
}

// Yes and No with No as the default: the safe answer when the user just presses Enter.
Message question(std::string text, std::string title) {
    Message message = box(std::move(text), std::move(title), MessageIcon::Question);
    message.buttons = MessageButtons::YesNo;
    message.defaultButton = MessageAnswer::No;
    return message;
}

} // namespace

Message referenceIsAssignedMessage() {
    return box("Monte Carlo value is assigned, you cannot change it.", "Warning",
               MessageIcon::Information);
}

Message emptyIntervalMessage() {
    return box("Please input the interval values first.", "Empty Data", MessageIcon::Information);
}

Message intervalOutsideDataMessage(Axis axis) {
    std::string text(axisTitle(axis));
    text += " interval inputed is outside of PLUMEX Data range\r\rPlease input proper values for ";
    text += axisName(axis);
    text += " interval.";
    return box(std::move(text), "Improper Value", MessageIcon::Information);
}

Message intervalWithoutGridPointMessage(Axis axis, double below, double above) {
    std::string text(axisTitle(axis));
    text += " interval inputed holds no point of the PLUMEX Data grid\r\rThe nearest ";
    text += axisName(axis);
    text += " values of the grid are " + generalText(below) + " and " + generalText(above) +
            ". Please input a ";
    text += axisName(axis);
    text += " interval that holds at least one of them.";
    return box(std::move(text), "Improper Value", MessageIcon::Information);
}

Message resultsNotUpdatedQuestion() {
    return question("Input data has been changed. The results shown would be from a previous "
                    "computation.In order to update the results please press calculate from the "
                    "menu.\r\rDo you want to continue ?",
                    "Results Not Updated");
}

Message dataNotSavedQuestion() {
    Message message = box("Risk data are not saved. Would you like to save the data?",
                          "Data Not Saved", MessageIcon::Exclamation);
    message.buttons = MessageButtons::YesNo;
    message.defaultButton = MessageAnswer::Yes;
    return message;
}

Message resultNotConsistentMessage() {
    return box("Risk data and results are not consistent.\r\rPlease do Calculation first before "
               "saving Risk file",
               "Result Not Consistent", MessageIcon::Exclamation);
}

Message tooFewSimulationsMessage() {
    return box("Number of Monte Carlo simulations is less than 2 so that Monte Carlo analysis "
               "cannot be done.\rPlease click Monte Carlo button to generate simulation data and "
               "then recalculate.",
               "Error Information", MessageIcon::Critical);
}

Message stopCalculationQuestion() {
    return question("Do you want to stop computation process?\r\rIf YES is selected the output "
                    "viewed through the Results menu would not be correct.",
                    "Stop Calculation");
}

} // namespace torval
