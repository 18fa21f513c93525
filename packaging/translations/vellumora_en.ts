<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>AffirmationImport</name>
    <message numerus="yes">
        <source>%n affirmation(s) were added.</source>
        <translation>
            <numerusform>%n affirmation was added.</numerusform>
            <numerusform>%n affirmations were added.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n line(s) already in the category, or earlier in the file, were passed over.</source>
        <translation>
            <numerusform>%n line already in the category, or earlier in the file, was passed over.</numerusform>
            <numerusform>%n lines already in the category, or earlier in the file, were passed over.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n line(s) longer than %1 characters were passed over, the first of them line %2.</source>
        <translation>
            <numerusform>%n line longer than %1 characters was passed over: line %2.</numerusform>
            <numerusform>%n lines longer than %1 characters were passed over, the first of them line %2.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n line(s) did not fit, as a category holds at most %1 affirmations; the first of them is line %2.</source>
        <translation>
            <numerusform>%n line did not fit, as a category holds at most %1 affirmations: line %2.</numerusform>
            <numerusform>%n lines did not fit, as a category holds at most %1 affirmations; the first of them is line %2.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n blank line(s) were passed over.</source>
        <translation>
            <numerusform>%n blank line was passed over.</numerusform>
            <numerusform>%n blank lines were passed over.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n affirmation(s) were written to &quot;%1&quot;.</source>
        <translation>
            <numerusform>%n affirmation was written to &quot;%1&quot;.</numerusform>
            <numerusform>%n affirmations were written to &quot;%1&quot;.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>RestorePlan</name>
    <message numerus="yes">
        <source>Add the category &quot;%1&quot; with %n affirmations</source>
        <translation>
            <numerusform>Add the category &quot;%1&quot; with %n affirmation</numerusform>
            <numerusform>Add the category &quot;%1&quot; with %n affirmations</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Add %n affirmations to &quot;%1&quot;</source>
        <translation>
            <numerusform>Add %n affirmation to &quot;%1&quot;</numerusform>
            <numerusform>Add %n affirmations to &quot;%1&quot;</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>A restore of a backup was cut short. The %n file(s) it had written that no list of the library names were taken away.</source>
        <translation>
            <numerusform>A restore of a backup was cut short. The %n file it had written that no list of the library names was taken away.</numerusform>
            <numerusform>A restore of a backup was cut short. The %n files it had written that no list of the library names were taken away.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>vellumora::CategoryIndex</name>
    <message numerus="yes">
        <source>%n line(s) of the category list named no usable category and were left out.</source>
        <translation>
            <numerusform>%n line of the category list named no usable category and was left out.</numerusform>
            <numerusform>%n lines of the category list named no usable category and were left out.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>vellumora::PictureLibrary</name>
    <message numerus="yes">
        <source>... and %n more.</source>
        <translation>
            <numerusform>... and %n more.</numerusform>
            <numerusform>... and %n more.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>vellumora::ReminderDialog</name>
    <message numerus="yes">
        <source>Up to %n times of day on the 24-hour clock, separated by commas</source>
        <translation>
            <numerusform>Up to %n time of day on the 24-hour clock</numerusform>
            <numerusform>Up to %n times of day on the 24-hour clock, separated by commas</numerusform>
        </translation>
    </message>
</context>
</TS>
